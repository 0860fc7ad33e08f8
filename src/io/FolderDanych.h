#pragma once

#include <string>

namespace wtrysk {

// The folder where the program keeps what belongs to this PC rather than to a controller:
// the virtual serial ports and the COM numbers given to serial devices.
//
//   1. The folder named by the environment variable WTRYSK_FOLDER_DANYCH, when it is set (for
//      tests, and for running programs from different folders of a build against one
//      another).
//   2. The folder of the executable, when the program may write there (a copy unpacked into
//      a folder of its own).
//   3. Otherwise the user's data folder for the program: $XDG_DATA_HOME/wtrysk, usually
//      ~/.local/share/wtrysk (%LOCALAPPDATA%\wtrysk on Windows).
std::string FolderDanychProgramu();

// Rules 2 and 3 alone: folderProgramu when it exists and is writable, else folderUzytkownika.
std::string WybierzFolderDanych(const std::string& folderProgramu, const std::string& folderUzytkownika);

}  // namespace wtrysk
