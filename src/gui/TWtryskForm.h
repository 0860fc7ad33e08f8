#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TOknoGlowneQt.h"
#include "bledy/TBledyBiezace.h"
#include "io/UrzadzeniaSzeregowe.h"
#include "widok/TPytanieOPrzeglad.h"
#include "widok/TSekwencjaSerwisowa.h"
#include "widok/UstawieniaProgramu.h"

class QCheckBox;
class QDialog;
class QFrame;
class QLabel;
class QMenu;
class QSplitter;
class QTimer;
class QToolButton;

namespace wtrysk {

class TCentralkaVOLed300;
class TKomunikaty;
class TListaPortow;
class TMapaPortowCom;
class TOknoKomunikatow;
class TOknoKomunikatowQt;
class TPasekStatusu;
class TPortKomunikacyjny;
class TSerwisCzasu;
class TSesjaSterownika;
class TSterowaniePolaczeniem;
class TSterownikResetowanyForm;
class TUrzadzenieFtdi;
class TUsbFtdi;
class TWtryskiwaczFrame;
class TZakladki;

// What the main window works with. The program takes OpcjeProgramu(); tests give their own
// folders, a fake clock and message boxes that answer by themselves.
struct TOpcjeOkna {
  // The folder of "ustawienia.dat".
  std::string FolderUstawien;
  // Folders whose subfolder "Lang" may hold the language files.
  std::vector<std::string> FolderyJezykow;
  // The folder of the virtual serial ports and the numbers of serial devices.
  std::string FolderDanych;
  // The serial devices of the system, and the FTDI access.
  TWyliczanieUrzadzen UrzadzeniaSzeregowe;
  std::function<std::unique_ptr<TUrzadzenieFtdi>()> UtworzFtdi;
  // Scan the devices only when their fingerprint changed (the running program; tests that
  // stand in their own devices scan at every refresh).
  bool SkanujPoZmianie = false;
  // None: the Qt timer service and Qt message boxes.
  TSerwisCzasu* Czas = nullptr;
  TOknoKomunikatow* OknoKomunikatow = nullptr;
  uint32_t KodKomputera = 0;
};

// The options of the running program. "ustawienia.dat" lives in the program's data folder:
// beside the executable when that folder is writable (a copy unpacked into a folder of its
// own), otherwise the user's data folder (~/.local/share/wtrysk); WTRYSK_FOLDER_DANYCH
// overrides both.
TOpcjeOkna OpcjeProgramu();

// The program's main window: the live readings on the right, the five working pages behind
// the tabs, the status bar and the menu. It owns the program-wide objects: the message table,
// the port list and connection control, and the controller session.
class TWtryskForm : public QMainWindow, private TZaczepyOkna {
  Q_OBJECT
public:
  static constexpr int StronaParametry = 0;
  static constexpr int StronaKalibracja = 1;
  static constexpr int StronaBledy = 2;
  static constexpr int StronaMapa = 3;
  static constexpr int StronaUstawienia = 4;
  static constexpr int OkresOdswiezaniaPortowMs = 1000;
  static constexpr int KomunikatNieMoznaZapisac = 78;

  explicit TWtryskForm(TOpcjeOkna opcje, QWidget* rodzic = nullptr);
  ~TWtryskForm() override;

  // --- Pages ---
  void PokazZakladke(int strona);
  int Zakladka() const;
  // While an autocalibration runs the pages stay where they are.
  void UstawKalibracjaTrwa(bool trwa) { KalibracjaTrwaFlaga = trwa; }
  bool KalibracjaTrwa() const { return KalibracjaTrwaFlaga; }

  // --- Settings file ---
  std::string SciezkaUstawien() const;
  const TUstawieniaProgramu& UstawieniaProgramu() const { return Ustawienia; }
  // Collects the switches and writes the file; message 78 and false when that fails.
  bool ZapiszUstawienia();

  // --- Live view ---
  void OdswiezWidok() override;
  void PokazAktywneWtryskiwacze(uint8_t maska) override;
  // The hidden panel's injector switches from the mask; nothing while the panel is hidden.
  void PokazMaskeWtryskiwaczy(uint8_t maska);
  void UkladWtryskiwaczy(int pozycjaIlosciCylindrow);
  // Command 3: fuel (3 gas, 2 petrol) and the active injectors; `kontrolka` is disabled
  // while it is sent.
  void WyslijStanWtryskiwaczy(bool gaz, QWidget* kontrolka);
  void ZmienPaliwo(QWidget* przycisk);
  // The controller-information dialog, for firmware 24 and later only.
  void PokazInfoOSterowniku(bool przeglad);
  bool OknoInformacjiOtwarte() const { return false; }

  // --- Connection ---
  // The port chosen in the Port menu (or saved): the previous one is closed and freed, the new
  // one opens at once.
  void UstawPort(int znacznik);
  // A port the session works with from now on, not made by connection control (none: no
  // port). Its frames reach the dispatcher through this window.
  void PodlaczPort(TPortKomunikacyjny* port);
  void PolaczClick();
  void RozlaczClick();
  // The Port menu again when the ports changed (or when forced); true when it was rebuilt.
  bool OdswiezMenuPortow(bool wymus);

  // SIGTERM or SIGINT: open dialogs are dismissed, then the window closes as if the user had
  // closed it.
  void ZamknijNaSygnal();

  // The change warning; true for "OK". Runs through UruchomDialog.
  bool PokazOstrzezenieZmiany();
  // How modal dialogs are run (QDialog::exec by default); tests answer them.
  std::function<int(QDialog&)> UruchomDialog;

  // --- Parts, for tests and the features that come later ---
  TOknoGlowneQt& Okno() { return OknoGlowne; }
  TSesjaSterownika& Sesja() { return *SesjaSterownika; }
  TListaPortow& ListaPortow() { return *Porty; }
  TSterowaniePolaczeniem& Polaczenie() { return *Sterowanie; }
  const TKomunikaty& Komunikaty() const { return *KomunikatyProgramu; }
  TPasekStatusu* PasekStatusu() const { return Pasek; }
  TCentralkaVOLed300* Centralka() const { return CentralkaVO; }
  TZakladki* Zakladki() const { return NadWykresem; }
  TWtryskiwaczFrame* RamkaWtryskiwacza(int i) const { return Ramki.at(static_cast<std::size_t>(i)); }
  QMenu* MenuPort() const { return Port; }
  TSterownikResetowanyForm* SterownikResetowany() const { return OknoResetu; }
  bool TrybSerwisowy() const { return Sekwencja.Odkryta(); }
  TKolorZakladkiBledow KolorBledow() const { return KolorZakladkiBledowStan; }

protected:
  void closeEvent(QCloseEvent* zdarzenie) override;
  void showEvent(QShowEvent* zdarzenie) override;
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
  // Start-up, in order.
  void StartProgramu();
  void CzytajUstawienia();
  void ZastosujUstawienia();
  bool CzyJestJezykWloski() const;

  // Building the window.
  void ZbudujOkno();
  void ZbudujMenu();
  QWidget* ZbudujPrawyPanel();
  QWidget* ZbudujStroneParametry();
  QWidget* ZbudujStroneKalibracja();
  QWidget* ZbudujStroneBledy();
  QWidget* ZbudujStroneMapa();
  QWidget* ZbudujStroneUstawienia();

  void UkryjZakladki();
  void ZaznaczPortWMenu();
  void PoZmianiePortu();
  void OdkryjPanelePrywatne();
  void UstawKolorZakladkiBledow(TKolorZakladkiBledow kolor);
  void KliknietoWtryskiwacz(TWtryskiwaczFrame* ramka);
  void ZapytajOPrzeglad();
  bool LaczeZajete() const;
  void CzekajNaZamkniecie();

  // Hooks of the core's window interface.
  void PokazSterownikResetowany(std::string_view tekst) override;
  void UstawTekstPaskaStatusu(int panel, std::string_view tekst) override;
  void OdswiezPasekStatusu() override;

  TOpcjeOkna Opcje;
  std::unique_ptr<TSerwisCzasu> WlasnyCzas;
  TSerwisCzasu* Czas = nullptr;
  std::unique_ptr<TOknoKomunikatowQt> WlasneOknoKomunikatow;
  TOknoKomunikatow* OknoKomunikatow = nullptr;
  TOknoGlowneQt OknoGlowne{this};

  std::unique_ptr<TKomunikaty> KomunikatyProgramu;
  std::unique_ptr<TMapaPortowCom> MapaPortow;
  std::unique_ptr<TUsbFtdi> UsbFtdi;
  std::unique_ptr<TListaPortow> Porty;
  std::unique_ptr<TSesjaSterownika> SesjaSterownika;
  std::unique_ptr<TSterowaniePolaczeniem> Sterowanie;

  TUstawieniaProgramu Ustawienia;
  TKolorZakladkiBledow KolorZakladkiBledowStan = TKolorZakladkiBledow::KolorOkna;
  TPytanieOPrzeglad PytanieOPrzeglad;
  TSekwencjaSerwisowa Sekwencja;
  TBledyBiezace BledyBiezace;
  bool KalibracjaTrwaFlaga = false;
  bool PokazanoPierwszy = false;
  bool ZamykanieGotowe = false;
  int CzekanieNaLinie = 0;  // ticks waited for the line at close

  // Widgets the code touches often.
  TZakladki* NadWykresem = nullptr;
  std::array<QWidget*, 5> Strony{};
  QWidget* PrawyPanel = nullptr;
  TCentralkaVOLed300* CentralkaVO = nullptr;
  TPasekStatusu* Pasek = nullptr;
  std::array<TWtryskiwaczFrame*, 8> Ramki{};
  std::array<QCheckBox*, TUstawieniaProgramu::LiczbaKanalow> PrzelacznikiKanalow{};
  std::array<QLabel*, TUstawieniaProgramu::LiczbaKanalow> EtykietyKanalow{};
  std::array<QLabel*, 8> EtykietyBenzyny{};   // Wtr1Label .. Wtr8Label
  std::array<QLabel*, 8> WartosciBenzyny{};   // WtrB1WartoscLabel ..
  QLabel* WartoscGazu = nullptr;
  QLabel* WartoscZasilania = nullptr;
  QLabel* WartoscLambda1 = nullptr;
  QLabel* WartoscLambda2 = nullptr;
  QLabel* WartoscCisnieniaGazu = nullptr;
  QLabel* WartoscCisnieniaKolektora = nullptr;
  QLabel* WartoscObrotow = nullptr;
  QLabel* WartoscTempReduktora = nullptr;
  QLabel* WartoscTempGazu = nullptr;
  QWidget* WylWtrGazPanel = nullptr;
  std::array<QCheckBox*, 8> PrzelacznikiWtryskiwaczy{};
  QSplitter* Splitter1 = nullptr;
  QMenu* Port = nullptr;
  QTimer* OdswierzPortyCOMTimer = nullptr;
  QTimer* ZamykanieTimer = nullptr;
  TSterownikResetowanyForm* OknoResetu = nullptr;
};

}  // namespace wtrysk
