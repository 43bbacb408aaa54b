#include "mapkey/templates.h"

namespace velnix::templates {

// clang-format off
#define LINE(text) text "\r\n"

const std::string_view txt_open =
    LINE("mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\")
    LINE("mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_open`;\\")
    LINE("mapkey(continued) ~ Update `file_open` `Inputname` `");

const std::string_view txt_Kern =
    LINE("`;\\")
    LINE("mapkey(continued) ~ Activate `file_open` `Inputname`;\\")
    LINE("mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Utilities`;\\")
    LINE("mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\")
    LINE("mapkey(continued) ~ Activate `main_dlg_cur` `File.psh_rename`;\\")
    LINE("mapkey(continued) ~ Update `rename` `InputPanel2` `NeuName123`;\\")
    LINE("mapkey(continued) ~ Activate `rename` `InputPanel2`;~ FocusIn `UI Message Dialog` `ok`;\\")
    LINE("mapkey(continued) ~ Activate `UI Message Dialog` `ok`;\\")
    LINE("mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\")
    LINE("mapkey(continued) ~ Select `main_dlg_cur` `Cproe_pview_menu`;\\")
    LINE("mapkey(continued) ~ Close `main_dlg_cur` `Cproe_pview_menu`;~ Close `main_dlg_cur` `MenuBar1`;\\")
    LINE("mapkey(continued) ~ Activate `main_dlg_cur` `File.psh_save`;~ Activate `file_saveas` `OK`;\\")
    LINE("mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\")
    LINE("mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\")
    LINE("mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\")
    LINE("mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\")
    LINE("mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\")
    LINE("mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\")
    LINE("mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\")
    LINE("mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\");

const std::string_view txt_end = LINE("mapkey(continued) ~ ;");

const std::string_view txt_saveALL =
    LINE("mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\")
    LINE("mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_open`;\\")
    LINE("mapkey(continued) ~ Update `file_open` `Inputname` `PlatzhalterName`;\\")
    LINE("mapkey(continued) ~ Activate `file_open` `Inputname`;\\")
    LINE("mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\")
    LINE("mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_save`;\\")
    LINE("mapkey(continued) ~ Activate `file_saveas` `OK`;\\")
    LINE("mapkey(continued) ~ Activate `file_open` `Open`;~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\")
    LINE("mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\")
    LINE("mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\");

const std::string_view txt_CallAll =
    LINE("mapkey(continued) ~ Activate `file_open` `Open`;~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\")
    LINE("mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\")
    LINE("mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\");

#undef LINE
// clang-format on

std::string_view OpenPrefix() {
    return txt_open.substr(0, txt_open.size() - 2);
}

}  // namespace velnix::templates
