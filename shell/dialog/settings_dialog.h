// Zelvane_P, the settings dialog: the window the shell shows, modally, in
// configure mode. It edits the music settings of module Zelvane_B (the kind
// of music, the CD track to repeat, the music file) and writes them to the
// settings file only when the user confirms with "設定".
#pragma once

#include <cstdint>
#include <optional>

#include "controls/win32_command.h"
#include "runtime/control_array.h"
#include "runtime/property_bag.h"
#include "runtime/win32_combo_box.h"
#include "runtime/win32_form.h"
#include "runtime/win32_graphics.h"
#include "runtime/win32_label.h"
#include "runtime/win32_picture_box.h"

namespace zelvane::dialog {

class Zelvane_P : public rt::Form {
 public:
  Zelvane_P();

 protected:
  void Form_Load() override;
  void Form_Resize() override;
  void Form_Unload(zelvane::rt::Flag& cancel) override;

 private:
  using Command = controls::Command;
  template <class T>
  using ControlArray = zelvane::rt::ControlArray<T>;

  void Cmd_Set_Click();
  void Cmd_Can_Click();
  void Cmd_File_Click(int index);
  void Img_BGM_MouseDown(int index);
  void lbl_BGM_MouseDown(int index);
  void lbl_URL_Click();

  // Calls Initialize on every button of the form, those in the panel too.
  void InitCommands();
  // Covers target with copies of the marble in Pic_Mbl.
  void PaintTiles(zelvane::rt::PictureBox& target);
  // The option pictures, the track box and the file button for a kind of music.
  void ShowOptions(std::int16_t kind);
  // Makes option `kind` the chosen kind of music.
  void ChooseOption(int kind);

  // The controls, in the order they are created: later ones lie on top and
  // come later in the Tab order. The references are the array elements,
  // created here in their turn. Members go in the reverse order, so the
  // controls inside Pic_C, the arrays' elements among them, go before it.
  zelvane::rt::PictureBox Pic_Mbl;
  Command Cmd_Can;
  Command Cmd_Set;
  zelvane::rt::PictureBox Pic_C;

  // Control arrays, filled below in the order the controls are created.
  ControlArray<Command> Cmd_File;
  ControlArray<zelvane::rt::Shape> Shape3;
  ControlArray<zelvane::rt::Label> lbl;
  ControlArray<zelvane::rt::Image> Img_BGM;
  ControlArray<zelvane::rt::Label> lbl_BGM;
  ControlArray<zelvane::rt::Label> lbl_Fname;
  ControlArray<zelvane::rt::Image> Img_Ra;

  Command& cmdFile0_;
  zelvane::rt::ComboBox BGM_Repeat;
  zelvane::rt::Shape& shape3_;
  zelvane::rt::Label& lbl15_;
  zelvane::rt::Image& imgBgm0_;
  zelvane::rt::Label& lbl14_;
  zelvane::rt::Label& lblBgm1_;
  zelvane::rt::Label& lblBgm2_;
  zelvane::rt::Image& imgBgm1_;
  zelvane::rt::Label& lblBgm0_;
  zelvane::rt::Image& imgBgm2_;
  zelvane::rt::Label& lblFname0_;
  zelvane::rt::Label lbl_URL;
  zelvane::rt::Image& imgRa0_;
  zelvane::rt::Image& imgRa1_;
  zelvane::rt::Label& lbl7_;
};

}  // namespace zelvane::dialog
