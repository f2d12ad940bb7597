// The settings panel: every option of the study session, the book menu, and
// the shortcuts to the history books. The fields are set before it runs and
// read after it closed with OK; checking them is the settings exchange's.
#pragma once

#include <windows.h>

#include <string>

#include "study/settings_exchange.h"
#include "win/dialog.h"

namespace vodari {

class CSettingsDlg : public win::Dialog, private SettingsControls {
 public:
  CSettingsDlg();

  SettingsFields fields;

 protected:
  bool OnInit() override;
  void OnOK() override;
  bool OnCommand(int id) override;

 private:
  // SettingsControls.
  std::string Text(SettingsField field) const override;
  bool Checked(SettingsField field) const override;

  void ShowBookMenu();
  void ChooseCatalogueBook(int menuId);
};

}  // namespace vodari
