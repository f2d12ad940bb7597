#include "lookup/base_forms.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace vodari {
namespace {

// Irregular forms and their base forms, "form:base[,base]" separated by
// blanks: the common irregular verbs (past and past participle), plurals,
// comparisons and the forms of be, have and do.
constexpr const char kIrregular[] =
    // be, have, do
    "am:be is:be are:be was:be were:be been:be being:be "
    "has:have had:have having:have does:do did:do done:do doing:do "
    // irregular verbs
    "arose:arise arisen:arise awoke:awake awoken:awake bore:bear borne:bear beat:beat "
    "beaten:beat became:become began:begin begun:begin bent:bend bet:bet bound:bind "
    "bit:bite bitten:bite bled:bleed blew:blow blown:blow broke:break broken:break "
    "bred:breed brought:bring broadcast:broadcast built:build burnt:burn burst:burst "
    "bought:buy caught:catch chose:choose chosen:choose clung:cling came:come "
    "cost:cost crept:creep cut:cut dealt:deal dug:dig dove:dive drew:draw drawn:draw "
    "dreamt:dream drank:drink drunk:drink drove:drive driven:drive dwelt:dwell ate:eat "
    "eaten:eat fell:fall fallen:fall fed:feed felt:feel fought:fight found:find "
    "fled:flee flung:fling flew:fly flown:fly forbade:forbid forbidden:forbid "
    "forecast:forecast foresaw:foresee foreseen:foresee foretold:foretell "
    "forgot:forget forgotten:forget forgave:forgive forgiven:forgive froze:freeze "
    "frozen:freeze got:get gotten:get gave:give given:give went:go gone:go "
    "ground:grind grew:grow grown:grow hung:hang heard:hear hid:hide hidden:hide "
    "hit:hit held:hold hurt:hurt kept:keep knelt:kneel knew:know known:know laid:lay "
    "led:lead leapt:leap learnt:learn left:leave lent:lend let:let lay:lie lain:lie "
    "lit:light lost:lose made:make meant:mean met:meet mislaid:mislay misled:mislead "
    "mistook:mistake mistaken:mistake misunderstood:misunderstand overcame:overcome "
    "overheard:overhear overtook:overtake overtaken:overtake paid:pay put:put quit:quit "
    "proven:prove read:read rebuilt:rebuild rid:rid rode:ride ridden:ride rang:ring rung:ring "
    "rose:rise risen:rise ran:run said:say saw:see seen:see sought:seek sold:sell "
    "sent:send set:set sewn:sew shook:shake shaken:shake shed:shed shone:shine "
    "shot:shoot shown:show shrank:shrink shrunk:shrink shut:shut sang:sing sung:sing "
    "sank:sink sunk:sink sat:sit slew:slay slain:slay slept:sleep slid:slide slung:sling "
    "smelt:smell snuck:sneak spoke:speak spoken:speak sped:speed spelt:spell spent:spend spilt:spill "
    "spun:spin spat:spit split:split spoilt:spoil spread:spread sprang:spring "
    "sprung:spring stood:stand stole:steal stolen:steal stuck:stick stung:sting "
    "stank:stink strode:stride struck:strike strung:string strove:strive "
    "striven:strive swore:swear sworn:swear swept:sweep swelled:swell swollen:swell "
    "swam:swim swum:swim swung:swing took:take taken:take taught:teach tore:tear "
    "torn:tear told:tell thought:think threw:throw thrown:throw thrust:thrust "
    "trod:tread trodden:tread underwent:undergo undergone:undergo "
    "understood:understand undertook:undertake undertaken:undertake upset:upset "
    "woke:wake woken:wake wore:wear worn:wear wove:weave woven:weave wed:wed "
    "wept:weep won:win wound:wind withdrew:withdraw withdrawn:withdraw "
    "withheld:withhold withstood:withstand wrung:wring wrote:write written:write "
    // plurals
    "children:child men:man women:woman feet:foot teeth:tooth geese:goose mice:mouse "
    "lice:louse oxen:ox people:person dice:die pence:penny data:datum media:medium "
    "criteria:criterion phenomena:phenomenon bacteria:bacterium curricula:curriculum "
    "cacti:cactus fungi:fungus nuclei:nucleus stimuli:stimulus radii:radius "
    "alumni:alumnus syllabi:syllabus indices:index appendices:appendix "
    "matrices:matrix vertices:vertex "
    // comparison
    "better:good,well best:good,well worse:bad,ill worst:bad,ill more:much,many "
    "most:much,many less:little least:little further:far furthest:far farther:far "
    "farthest:far elder:old eldest:old";

bool IsVowel(char c) { return std::strchr("aeiou", c) != nullptr; }

// The syllables of a word, roughly: its runs of vowels.
int VowelGroups(const std::string& word) {
  int groups = 0;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (IsVowel(word[i]) && (i == 0 || !IsVowel(word[i - 1]))) ++groups;
  return groups;
}

// A stem whose last consonant a suffix would double ("hop" in "hopped"): one
// syllable ending in a single vowel and a consonant other than w, x and y. A
// "hoped" therefore comes from hope rather than hop.
bool WouldDouble(const std::string& stem) {
  const std::size_t n = stem.size();
  if (n < 2 || IsVowel(stem[n - 1]) || std::strchr("wxy", stem[n - 1]) || !IsVowel(stem[n - 2]))
    return false;
  if (n >= 3 && IsVowel(stem[n - 3])) return false;  // "rain", "cook"
  return VowelGroups(stem) == 1;
}

bool EndsWith(const std::string& word, std::string_view suffix) {
  return word.size() > suffix.size() &&
         word.compare(word.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string Without(const std::string& word, std::size_t count) {
  return word.substr(0, word.size() - count);
}

class Candidates {
 public:
  explicit Candidates(const std::string& word) : word_(word) {}

  void Add(const std::string& base) {
    if (base.size() < 2 && base != "a" && base != "i") return;
    if (base == word_) return;
    for (const BaseForm& known : list_)
      if (known.word == base) return;
    list_.push_back({base, comparing_});
  }
  // While on, the forms added are those of a comparison (-er, -est), which
  // only an adjective or an adverb has.
  void Comparing(bool on) { comparing_ = on; }
  // A stem that lost a suffix: the stem, its form with a final e, and the
  // stem with a doubled final consonant undone.
  void AddStem(const std::string& stem) {
    if (stem.size() < 2) return;
    // "hopp" in "hopped": the suffix doubled the consonant of "hop". Not so
    // for the endings that are double of their own (call, pass, off, buzz)
    // nor for a two-letter stem (add, odd, egg).
    const std::size_t n = stem.size();
    if (n >= 4 && stem[n - 1] == stem[n - 2] && !IsVowel(stem[n - 1]) &&
        !std::strchr("lsfz", stem[n - 1]))
      Add(stem.substr(0, n - 1));
    // A stem in "th" lost its e (bathed, breathing: bathe, breathe).
    if (WouldDouble(stem) || EndsWith(stem, "th")) {
      Add(stem + "e");
      Add(stem);
    } else {
      Add(stem);
      Add(stem + "e");
    }
    if (n >= 3 && stem[n - 1] == stem[n - 2] && !IsVowel(stem[n - 1])) Add(stem.substr(0, n - 1));
  }
  std::vector<BaseForm> Take() { return std::move(list_); }

 private:
  const std::string& word_;
  std::vector<BaseForm> list_;
  bool comparing_ = false;
};

void AddIrregular(const std::string& word, Candidates& candidates) {
  const std::string_view table(kIrregular);
  for (std::size_t at = 0; at < table.size();) {
    std::size_t end = table.find(' ', at);
    if (end == std::string_view::npos) end = table.size();
    const std::string_view pair = table.substr(at, end - at);
    const std::size_t colon = pair.find(':');
    if (pair.substr(0, colon) == word) {
      std::string_view bases = pair.substr(colon + 1);
      for (std::size_t b = 0; b <= bases.size();) {
        std::size_t comma = bases.find(',', b);
        if (comma == std::string_view::npos) comma = bases.size();
        candidates.Add(std::string(bases.substr(b, comma - b)));
        b = comma + 1;
      }
    }
    at = end + 1;
  }
}

void AddRegular(const std::string& w, Candidates& c) {
  if (EndsWith(w, "'s")) c.Add(Without(w, 2));
  if (EndsWith(w, "s'")) c.Add(Without(w, 1));
  if (EndsWith(w, "ies")) c.Add(Without(w, 3) + "y");  // studies
  if (EndsWith(w, "ves") && w.size() > 4) {  // believes, saves; knives, wolves
    const bool ife = w[w.size() - 4] == 'i';
    c.Add(Without(w, 1));
    c.Add(Without(w, 3) + (ife ? "fe" : "f"));
    c.Add(Without(w, 3) + (ife ? "f" : "fe"));
  }
  if (EndsWith(w, "men")) c.Add(Without(w, 3) + "man");            // firemen
  if (EndsWith(w, "children")) c.Add(Without(w, 8) + "child");      // grandchildren

  if (EndsWith(w, "ses") && w.size() > 5) c.Add(Without(w, 2) + "is");  // analyses
  if (EndsWith(w, "s") && !EndsWith(w, "ss") && !EndsWith(w, "us") && !EndsWith(w, "is")) {
    c.Add(Without(w, 1));                      // books, makes
    if (EndsWith(w, "es")) c.Add(Without(w, 2));  // boxes, watches, goes
  }
  if (EndsWith(w, "ied")) c.Add(Without(w, 3) + "y");  // studied
  if (EndsWith(w, "ed") && w.size() > 3) {
    c.AddStem(Without(w, 2));  // walked, hoped, stopped
    c.Add(Without(w, 1));      // died, agreed
  }
  if (EndsWith(w, "ying")) c.Add(Without(w, 4) + "ie");  // lying, dying
  if (EndsWith(w, "ing") && w.size() > 4) c.AddStem(Without(w, 3));  // walking, making, running
  // panicked, mimicking: a k comes in after the c of a longer word in -ic
  // (but picked and kicking are pick and kick).
  if (EndsWith(w, "icked") || EndsWith(w, "icking")) {
    const std::string stem = w.substr(0, w.rfind('k'));
    if (VowelGroups(stem) >= 2) c.Add(stem);
  }
  c.Comparing(true);
  if (EndsWith(w, "iest")) c.Add(Without(w, 4) + "y");  // happiest
  if (EndsWith(w, "ier")) c.Add(Without(w, 3) + "y");   // happier
  if (EndsWith(w, "est") && w.size() > 4) c.AddStem(Without(w, 3));  // biggest, nicest
  if (EndsWith(w, "er") && w.size() > 3) c.AddStem(Without(w, 2));   // bigger, closer
  c.Comparing(false);
}

}  // namespace

std::vector<BaseForm> BaseFormsOf(const std::string& word) {
  if (word.empty()) return {};
  for (char ch : word)
    if (!((ch >= 'a' && ch <= 'z') || ch == '\'')) return {};
  Candidates candidates(word);
  AddIrregular(word, candidates);
  AddRegular(word, candidates);
  return candidates.Take();
}

std::vector<std::string> BaseForms(const std::string& word) {
  std::vector<std::string> words;
  for (BaseForm& form : BaseFormsOf(word)) words.push_back(std::move(form.word));
  return words;
}

}  // namespace vodari
