#include "fixture.h"

#include <windows.h>

#include <cstdio>

namespace vodari::e2e {

ProgramFolder::ProgramFolder() {
  ::CreateDirectoryA(folder_.File("books").c_str(), nullptr);
  ::CreateDirectoryA(folder_.File("sound").c_str(), nullptr);
}

FixtureBook ProgramFolder::WriteBook(const std::string& name, const std::string& title, int entries,
                                     const std::string& prefix) {
  FixtureBook book{title, {}};
  std::string text = title + "\r\n";
  for (int i = 0; i < entries; ++i) {
    char word[64];
    std::snprintf(word, sizeof word, "%s%02d", prefix.c_str(), i);
    const std::string meaning = std::string(word) + " 的意思";
    book.meanings[word] = meaning;
    text += "@" + std::string(word) + "\r\n" + meaning + "\r\n";
  }
  WriteFile("books\\" + name, text);
  return book;
}

void ProgramFolder::WriteFile(const std::string& name, const std::string& bytes) {
  test::WriteBytes(folder_.File(name), bytes);
}

std::string ProgramFolder::ReadFile(const std::string& name) const {
  return test::ReadBytes(folder_.File(name));
}

bool ProgramFolder::Exists(const std::string& name) const {
  return test::FileExists(folder_.File(name));
}

std::unique_ptr<VodariProcess> ProgramFolder::Start() {
  return std::make_unique<VodariProcess>(folder_.Path());
}

}  // namespace vodari::e2e
