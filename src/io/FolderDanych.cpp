#include "io/FolderDanych.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace wtrysk {

std::string WybierzFolderDanych(const std::string& folderProgramu, const std::string& folderUzytkownika) {
  const QFileInfo program(QString::fromStdString(folderProgramu));
  if (!folderProgramu.empty() && program.isDir() && program.isWritable()) return folderProgramu;
  return folderUzytkownika;
}

std::string FolderDanychProgramu() {
  const QString zmienna = qEnvironmentVariable("WTRYSK_FOLDER_DANYCH");
  if (!zmienna.isEmpty()) return zmienna.toStdString();

  const QString program = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
  // The same place as the application data folder of a program named "wtrysk", whatever
  // this executable is called.
  const QString uzytkownik =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/wtrysk");
  return WybierzFolderDanych(program.toStdString(), uzytkownik.toStdString());
}

}  // namespace wtrysk
