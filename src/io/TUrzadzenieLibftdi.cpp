#include "io/TUrzadzenieFtdi.h"

#include <ftdi.h>
#include <libusb.h>

#include <array>
#include <memory>
#include <utility>

namespace wtrysk {

namespace {

constexpr int DostawcaFtdi = 0x0403;
// The FTDI product IDs a stock cable may carry: FT232R/FT245R, FT2232, FT4232H, FT232H, FT-X.
constexpr std::array<int, 5> ProduktyFtdi{0x6001, 0x6010, 0x6011, 0x6014, 0x6015};
// How long the chip holds back a short packet. The receive poll reads every 10 ms on the
// user-interface thread, and each read returns once the chip has answered, so the chip must
// answer fast.
constexpr unsigned char OpoznienieMs = 2;

constexpr int BrakKontekstuOtwarcia = -11;  // ftdi_usb_open_desc: "ftdi context invalid"
constexpr int BrakKontekstuListy = -5;      // ftdi_usb_find_all: libusb not usable
constexpr int UrzadzenieNiedostepne = -2;   // "USB device unavailable" of the setters
constexpr int OdczytBezUrzadzenia = -666;   // ftdi_read_data and ftdi_write_data alike

struct TUsunKontekst {
  void operator()(ftdi_context* kontekst) const { ftdi_free(kontekst); }
};
using TKontekst = std::unique_ptr<ftdi_context, TUsunKontekst>;

// Two libftdi contexts: one holds the open device, the other enumerates. Listing needs a
// context of its own, because reading a device's strings closes whatever device the context
// has open.
class TUrzadzenieLibftdi : public TUrzadzenieFtdi {
public:
  TUrzadzenieLibftdi() : Otwarte(ftdi_new()), Lista(ftdi_new()) {}
  ~TUrzadzenieLibftdi() override {
    Zamknij();
    ZwolnijListe();
  }

  int Otworz(const std::string& numerSeryjny) override {
    if (!Otwarte) return BrakKontekstuOtwarcia;
    if (CzyOtwarte()) ftdi_usb_close(Otwarte.get());
    int kod = -3;
    for (const int produkt : ProduktyFtdi) {
      kod = ftdi_usb_open_desc(Otwarte.get(), DostawcaFtdi, produkt, nullptr, numerSeryjny.c_str());
      if (kod != -3) break;  // found, or found and failed
    }
    if (kod == 0) ftdi_set_latency_timer(Otwarte.get(), OpoznienieMs);
    return kod;
  }

  int Zamknij() override {
    if (!Otwarte) return -3;
    if (!CzyOtwarte()) return 0;
    return ftdi_usb_close(Otwarte.get());
  }

  int Czytaj(uint8_t* bufor, int rozmiar) override {
    if (!Otwarte) return OdczytBezUrzadzenia;
    if (rozmiar <= 0) return 0;
    return ftdi_read_data(Otwarte.get(), bufor, rozmiar);
  }

  int Pisz(const uint8_t* bajty, int liczba) override {
    if (!Otwarte) return OdczytBezUrzadzenia;
    if (liczba <= 0) return 0;
    return ftdi_write_data(Otwarte.get(), bajty, liczba);
  }

  int Resetuj() override {
    if (!Otwarte) return UrzadzenieNiedostepne;
    return ftdi_usb_reset(Otwarte.get());
  }

  int UstawPredkosc(int predkosc) override {
    if (!Otwarte) return -3;
    return ftdi_set_baudrate(Otwarte.get(), predkosc);
  }

  int UstawZnak(int bityDanych, int bityStopu, int parzystosc) override {
    if (!Otwarte) return UrzadzenieNiedostepne;
    return ftdi_set_line_property(Otwarte.get(), static_cast<ftdi_bits_type>(bityDanych),
                                  static_cast<ftdi_stopbits_type>(bityStopu), static_cast<ftdi_parity_type>(parzystosc));
  }

  int UstawPrzeplyw(int przeplyw, uint8_t xon, uint8_t xoff) override {
    if (!Otwarte) return UrzadzenieNiedostepne;
    if (przeplyw == SIO_XON_XOFF_HS) return ftdi_setflowctrl_xonxoff(Otwarte.get(), xon, xoff);
    return ftdi_setflowctrl(Otwarte.get(), przeplyw);
  }

  int UstawCzasy(int odczytMs, int zapisMs) override {
    if (!CzyOtwarte()) return UrzadzenieNiedostepne;
    Otwarte->usb_read_timeout = odczytMs;
    Otwarte->usb_write_timeout = zapisMs;
    return 0;
  }

  int UtworzListe() override {
    ZwolnijListe();
    if (!Lista) return BrakKontekstuListy;
    // Vendor and product 0 stand for every stock FTDI product ID.
    return ftdi_usb_find_all(Lista.get(), &Znalezione, 0, 0);
  }

  int PobierzListe(std::vector<TWezelUrzadzeniaUsb>& lista) override {
    if (!Lista) return -1;
    std::vector<TWezelUrzadzeniaUsb> wynik;
    for (ftdi_device_list* w = Znalezione; w && wynik.size() < lista.size(); w = w->next) {
      TWezelUrzadzeniaUsb wezel;
      libusb_device_descriptor opis{};
      if (libusb_get_device_descriptor(w->dev, &opis) == 0) {
        wezel.Id = (static_cast<uint32_t>(opis.idVendor) << 16) | opis.idProduct;
      }
      wezel.IdLokalizacji = (static_cast<uint32_t>(libusb_get_bus_number(w->dev)) << 8) | libusb_get_device_address(w->dev);
      std::array<char, 128> producent{};
      std::array<char, 128> nazwa{};
      std::array<char, 128> numer{};
      // A device this user may not open (no udev rule) or one busy elsewhere keeps its place
      // in the list with empty strings.
      if (ftdi_usb_get_strings(Lista.get(), w->dev, producent.data(), static_cast<int>(producent.size()), nazwa.data(),
                               static_cast<int>(nazwa.size()), numer.data(), static_cast<int>(numer.size())) == 0) {
        wezel.Opis = nazwa.data();
        wezel.NumerSeryjny = numer.data();
      }
      wynik.push_back(std::move(wezel));
    }
    lista = std::move(wynik);
    return 0;
  }

private:
  bool CzyOtwarte() const { return Otwarte && Otwarte->usb_dev != nullptr; }

  void ZwolnijListe() {
    if (Znalezione) ftdi_list_free(&Znalezione);
    Znalezione = nullptr;
  }

  TKontekst Otwarte;
  TKontekst Lista;
  ftdi_device_list* Znalezione = nullptr;
};

}  // namespace

std::unique_ptr<TUrzadzenieFtdi> UtworzUrzadzenieLibftdi() { return std::make_unique<TUrzadzenieLibftdi>(); }

}  // namespace wtrysk
