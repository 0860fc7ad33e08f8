#include "io/FolderDanych.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <filesystem>
#include <fstream>

#include "TFolderTymczasowy.h"

namespace wtrysk {
namespace {

TEST(FolderDanych, TheProgramsFolderWhenWritableElseTheUsersDataFolder) {
  TFolderTymczasowy folder;
  std::ofstream(folder.Plik("plik")) << "";
  const std::string program = folder.Sciezka.string();
  EXPECT_EQ(WybierzFolderDanych(program, "/uzytkownik"), program);
  EXPECT_EQ(WybierzFolderDanych(folder.Plik("nie-ma"), "/uzytkownik"), "/uzytkownik");
  EXPECT_EQ(WybierzFolderDanych(folder.Plik("plik"), "/uzytkownik"), "/uzytkownik") << "a file is no folder";
  EXPECT_EQ(WybierzFolderDanych("", "/uzytkownik"), "/uzytkownik");
  if (geteuid() != 0) {  // root may write anywhere
    std::filesystem::permissions(folder.Sciezka, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(WybierzFolderDanych(program, "/uzytkownik"), "/uzytkownik");
    std::filesystem::permissions(folder.Sciezka, std::filesystem::perms::owner_all);
  }
}

TEST(FolderDanych, TheEnvironmentMayNameTheFolder) {
  const QByteArray bylo = qgetenv("WTRYSK_FOLDER_DANYCH");
  qputenv("WTRYSK_FOLDER_DANYCH", "/tmp/gdzies");
  EXPECT_EQ(FolderDanychProgramu(), "/tmp/gdzies");
  qunsetenv("WTRYSK_FOLDER_DANYCH");
  // This test program's folder is writable: the build folder.
  EXPECT_EQ(FolderDanychProgramu(), QCoreApplication::applicationDirPath().toStdString());
  if (!bylo.isEmpty()) qputenv("WTRYSK_FOLDER_DANYCH", bylo);
}

}  // namespace
}  // namespace wtrysk
