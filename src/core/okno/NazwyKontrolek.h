#pragma once

#include <array>
#include <string_view>

namespace wtrysk::Kontrolka {

// Component names of the controls the core addresses. The GUI gives its controls exactly these
// objectNames; the core uses the constants so that a misspelt name fails to compile instead of
// silently missing its control.

// Page " Parametry ", car settings.
inline constexpr std::string_view ZmianaIlosciCylindrowCombo = "ZmianaIlosciCylindrowCombo";
inline constexpr std::string_view ZmianaIlosciCewekCombo = "ZmianaIlosciCewekCombo";
inline constexpr std::string_view RodzajSygnaluObrotowCombo = "RodzajSygnaluObrotowCombo";
inline constexpr std::string_view SygObrPanel = "SygObrPanel";
inline constexpr std::string_view ProgDetekcjiObrotowPanel = "ProgDetekcjiObrotowPanel";
inline constexpr std::string_view ProgDetekcjiObrotowRxSpinEdit = "ProgDetekcjiObrotowRxSpinEdit";
inline constexpr std::string_view ZmianaTypuSondyLambdaCombo = "ZmianaTypuSondyLambdaCombo";
inline constexpr std::string_view TypSilnikaComboBox = "TypSilnikaComboBox";
inline constexpr std::string_view TypWtryskuComboBox = "TypWtryskuComboBox";
inline constexpr std::string_view WtrBenzSterPlusemCheckBox = "WtrBenzSterPlusemCheckBox";

// Page " Parametry ", gas controller settings.
inline constexpr std::string_view RodzajPaliwaRadioGroup = "RodzajPaliwaRadioGroup";
inline constexpr std::string_view ZmianaRodzajuWtryskiwaczaGazowegoCombo =
    "ZmianaRodzajuWtryskiwaczaGazowegoCombo";
inline constexpr std::string_view ZmianaMinimalnegoCisnieniaRxSpinEdit =
    "ZmianaMinimalnegoCisnieniaRxSpinEdit";
inline constexpr std::string_view ZmianaCisnieniaRoboczegoRxSpinEdit =
    "ZmianaCisnieniaRoboczegoRxSpinEdit";
inline constexpr std::string_view MinTempGazuRxSpinEdit = "MinTempGazuRxSpinEdit";
inline constexpr std::string_view MinObrotyLPGRxSpinEdit = "MinObrotyLPGRxSpinEdit";
inline constexpr std::string_view ZmianaMaksymalnychObrotowNaGazieSpinEdit =
    "ZmianaMaksymalnychObrotowNaGazieSpinEdit";
inline constexpr std::string_view ZmianaCzasuBleduCisnieniaRxSpinEdit =
    "ZmianaCzasuBleduCisnieniaRxSpinEdit";
inline constexpr std::string_view WylaczDlaPierwszegoBleduCheckBox = "WylaczDlaPierwszegoBleduCheckBox";
inline constexpr std::string_view ZmianaTemperaturyPrzelaczeniaNaGazSpinEdit =
    "ZmianaTemperaturyPrzelaczeniaNaGazSpinEdit";
inline constexpr std::string_view ZmianaProguPrzelaczeniaNaGazSpinEdit =
    "ZmianaProguPrzelaczeniaNaGazSpinEdit";
inline constexpr std::string_view ZmianaCzasuPrzelaczeniaNaGazRxSpinEdit =
    "ZmianaCzasuPrzelaczeniaNaGazRxSpinEdit";
inline constexpr std::string_view ZmianaCzasuPrzelaczeniaKolejnychCylindrowRxSpinEdit =
    "ZmianaCzasuPrzelaczeniaKolejnychCylindrowRxSpinEdit";
inline constexpr std::string_view TempGazuKalibWartoscLabel = "TempGazuKalibWartoscLabel";
inline constexpr std::string_view UstawieniaFabryczneButton = "UstawieniaFabryczneButton";

// Hidden panel `UkryteParametry` of the same group.
inline constexpr std::string_view UkryteParametry = "UkryteParametry";
inline constexpr std::string_view CzasWylKolWtrGdyBladCisRxSpinEdit =
    "CzasWylKolWtrGdyBladCisRxSpinEdit";
inline constexpr std::string_view ZmianaCzasuOtwrciaZamknieciaWtrRxSpinEdit =
    "ZmianaCzasuOtwrciaZamknieciaWtrRxSpinEdit";
inline constexpr std::string_view CzasRozpOgraniczeniaRxSpinEdit = "CzasRozpOgraniczeniaRxSpinEdit";
inline constexpr std::string_view WypelnienieOgraniczeniaRxSpinEdit =
    "WypelnienieOgraniczeniaRxSpinEdit";

// Hidden panel of gas-injector switches.
inline constexpr std::string_view WylWtrGazPanel = "WylWtrGazPanel";
inline constexpr std::array<std::string_view, 8> WlWtrGazCheckBox{
    "WlWtrGazCheckBox1", "WlWtrGazCheckBox2", "WlWtrGazCheckBox3", "WlWtrGazCheckBox4",
    "WlWtrGazCheckBox5", "WlWtrGazCheckBox6", "WlWtrGazCheckBox7", "WlWtrGazCheckBox8"};

// Live view: the eight gas-injector frames.
inline constexpr std::array<std::string_view, 8> WtryskiwaczFrame{
    "WtryskiwaczFrame1", "WtryskiwaczFrame2", "WtryskiwaczFrame3", "WtryskiwaczFrame4",
    "WtryskiwaczFrame5", "WtryskiwaczFrame6", "WtryskiwaczFrame7", "WtryskiwaczFrame8"};

// Page " Ustawienia": sensors and the hidden service panel.
inline constexpr std::string_view ZmianaCzujnikaCisnieniaCombo = "ZmianaCzujnikaCisnieniaCombo";
inline constexpr std::string_view ZmianaCzujnikaCisKolCombo = "ZmianaCzujnikaCisKolCombo";
inline constexpr std::string_view ZmianaCzujnikaTemperaturyReduktoraCombo =
    "ZmianaCzujnikaTemperaturyReduktoraCombo";
inline constexpr std::string_view ZmianaCzujnikaTemperaturyGazuCombo =
    "ZmianaCzujnikaTemperaturyGazuCombo";
inline constexpr std::string_view UkrytePanel = "UkrytePanel";
inline constexpr std::string_view IloscResetowWartoscLabel = "IloscResetowWartoscLabel";
inline constexpr std::string_view RejestrWartoscHexLabel = "RejestrWartoscHexLabel";
inline constexpr std::string_view RejestrWartoscIntLabel = "RejestrWartoscIntLabel";

// Page " Błędy ".
inline constexpr std::string_view SygnalCiaglyCheckBox = "SygnalCiaglyCheckBox";
inline constexpr std::string_view BledyAktualneMemo = "BledyAktualneMemo";
inline constexpr std::string_view KomunikatyMemo = "KomunikatyMemo";
inline constexpr std::string_view BledyZarejestrowaneMemo = "BledyZarejestrowaneMemo";

// Map frame.
inline constexpr std::string_view BlokowanieCheckBox = "BlokowanieCheckBox";
inline constexpr std::string_view KasujMapeBenzynaButton = "KasujMapeBenzynaButton";
inline constexpr std::string_view KasujMapeGazButton = "KasujMapeGazButton";

// Gas-injector settings window.
inline constexpr std::string_view KorWtrGazGroupBox = "KorWtrGazGroupBox";
inline constexpr std::string_view UkryteParWtrGazPanel = "UkryteParWtrGazPanel";
inline constexpr std::array<std::string_view, 8> KorekcjaWtrRxSpinEdit{
    "KorekcjaWtr1RxSpinEdit", "KorekcjaWtr2RxSpinEdit", "KorekcjaWtr3RxSpinEdit",
    "KorekcjaWtr4RxSpinEdit", "KorekcjaWtr5RxSpinEdit", "KorekcjaWtr6RxSpinEdit",
    "KorekcjaWtr7RxSpinEdit", "KorekcjaWtr8RxSpinEdit"};

// Update window.
inline constexpr std::string_view SWersjaLabel = "SWersjaLabel";
inline constexpr std::string_view SDataLabel = "SDataLabel";

// Firmware update window: what the update offer fills in.
inline constexpr std::string_view AWersjaLabel = "AWersjaLabel";
inline constexpr std::string_view ADataLabel = "ADataLabel";
inline constexpr std::string_view OpisMemo = "OpisMemo";
inline constexpr std::string_view PostepGauge = "postep";

}  // namespace wtrysk::Kontrolka
