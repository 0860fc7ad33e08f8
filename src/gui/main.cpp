// wtrysk: the service tool's window program.
#include <QApplication>

#include "TJednaInstancja.h"
#include "TSygnalyZamkniecia.h"
#include "TWtryskForm.h"

int main(int argc, char* argv[]) {
  QApplication aplikacja(argc, argv);
  QApplication::setApplicationName(QStringLiteral("wtrysk"));
  QGuiApplication::setDesktopFileName(QStringLiteral("wtrysk"));

  // A second start brings the running window to the front and ends.
  wtrysk::TJednaInstancja jednaInstancja(wtrysk::TJednaInstancja::KluczDomyslny());
  if (!jednaInstancja.Uruchom()) return 0;

  wtrysk::TSygnalyZamkniecia sygnaly;
  wtrysk::TWtryskForm okno(wtrysk::OpcjeProgramu());
  QObject::connect(&jednaInstancja, &wtrysk::TJednaInstancja::PokazSie, &okno, [&okno] {
    if (okno.isMinimized()) okno.showMaximized();
    okno.raise();
    okno.activateWindow();
  });
  // SIGTERM and SIGINT close the window as the fitter would, settings written.
  QObject::connect(&sygnaly, &wtrysk::TSygnalyZamkniecia::Zamknij, &okno, &wtrysk::TWtryskForm::ZamknijNaSygnal);
  okno.showMaximized();
  return QApplication::exec();
}
