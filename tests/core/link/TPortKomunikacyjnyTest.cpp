#include "link/TPortKomunikacyjny.h"

#include <gtest/gtest.h>

#include "LaczeFixture.h"

namespace wtrysk {
namespace {

TTablicaByte Komenda(uint8_t kod, std::initializer_list<uint8_t> dane = {}) {
  return ZbudujRamkeKomendy(kod, std::span<const uint8_t>(dane.begin(), dane.size()));
}

TEST_F(LaczeTest, OpeningRequestsIdentificationAtTheFirstTick) {
  Port.Otworz();
  EXPECT_EQ(Otoczenie.Dziennik, (std::vector<std::string>{"start"}));
  EXPECT_TRUE(Wyslane().empty()) << "frames go out only on the send tick";
  Zegar.Przesun(100);
  EXPECT_EQ(Wyslane(), (std::vector<TTablicaByte>{Bajty({0xAA, 0x0C, 0x01, 0xB7})}));
  EXPECT_EQ(Port.OstatniaKomenda(), 12);
}

TEST_F(LaczeTest, PollsEvery100msWhileIdle) {
  const int64_t t = Polacz();
  Zegar.Przesun(1000);
  const auto zapisy = Port.PobierzZapisy();
  ASSERT_EQ(zapisy.size(), 10u);
  for (std::size_t i = 0; i < zapisy.size(); ++i) {
    EXPECT_EQ(zapisy[i].Bajty, Zapytanie);
    EXPECT_EQ(zapisy[i].CzasMs, t + 100 * static_cast<int64_t>(i + 1));
  }
}

TEST_F(LaczeTest, AnsweredPollsKeepTheLinkUp) {
  Polacz();
  Port.PoZapisie = [&](const TTablicaByte&) { Port.Odbierz(Odpowiedz(1, {0x11, 0x22})); };
  Zegar.Przesun(20000);
  EXPECT_TRUE(Port.Polaczony());
  EXPECT_TRUE(Okno.Bledy.empty());
  EXPECT_EQ(Otoczenie.Ramki.size(), 200u);
}

TEST_F(LaczeTest, SilenceClosesTheLinkWithMessage18) {
  const int64_t t = Polacz();
  // The guard starts at the first unanswered transmission, t + 100.
  Zegar.Przesun(t + 100 + 7000 - 1 - Zegar.CzasMs());
  EXPECT_TRUE(Port.Polaczony());
  EXPECT_TRUE(Okno.Bledy.empty());
  Zegar.Przesun(1);
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_TRUE(Port.BrakPolaczenia());
  EXPECT_EQ(Okno.Bledy, (std::vector<std::string>{"Brak sterownika gazu"}));
  EXPECT_EQ(Otoczenie.Dziennik, (std::vector<std::string>{"zamkniete"}));
  Wyslane();
  Zegar.Przesun(10000);
  EXPECT_TRUE(Wyslane().empty()) << "nothing is written on a closed link";
}

TEST_F(LaczeTest, Message18IsTakenInTheLanguageOfTheMoment) {
  Polacz();
  Komunikaty.ZastosujKString({{"", "18", "No gas controller"}});
  Zegar.Przesun(8000);
  EXPECT_EQ(Okno.Bledy, (std::vector<std::string>{"No gas controller"}));
}

TEST_F(LaczeTest, UnansweredCommandIsResentEverySecondWithoutPollsThenTheLinkCloses) {
  const int64_t t = Polacz();
  Port.WyslijKomende(5, {7});
  Zegar.Przesun(7099);
  const auto zapisy = Port.PobierzZapisy();
  ASSERT_EQ(zapisy.size(), 8u);
  EXPECT_EQ(zapisy[0].CzasMs, t + 100);
  for (std::size_t i = 0; i < zapisy.size(); ++i) {
    EXPECT_EQ(zapisy[i].Bajty, Komenda(5, {7})) << "write " << i;
    if (i > 0) {
      EXPECT_EQ(zapisy[i].CzasMs, t + 1000 * static_cast<int64_t>(i)) << "write " << i;
    }
  }
  EXPECT_TRUE(Port.Polaczony());
  Zegar.Przesun(1);
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_EQ(Okno.Bledy, (std::vector<std::string>{"Brak sterownika gazu"}));
}

TEST_F(LaczeTest, OnlyTheMatchingAnswerFreesTheLine) {
  struct TPrzypadek {
    const char* Nazwa;
    uint8_t Kod;
    uint8_t KodOdpowiedzi;
    bool Zwalnia;
  };
  const TPrzypadek przypadki[] = {
      {"matching answer", 5, 5, true},
      {"live data while a command is outstanding", 5, 1, false},
      {"answer to another command", 5, 6, false},
      {"code 1 never frees, even as the last command", 1, 1, false},
  };
  for (const auto& p : przypadki) {
    Polacz();
    Port.WyslijKomende(p.Kod, {1});
    Zegar.Przesun(150);
    Wyslane();
    Port.Odbierz(Odpowiedz(p.KodOdpowiedzi, {9}));
    EXPECT_EQ(Otoczenie.Ramki.size(), 1u) << p.Nazwa << ": every valid frame is dispatched";
    EXPECT_EQ(Port.LiniaWolna(), p.Zwalnia) << p.Nazwa;
    Zegar.Przesun(500);
    const auto wyslane = Wyslane();
    if (p.Zwalnia) {
      EXPECT_EQ(wyslane, std::vector<TTablicaByte>(5, Zapytanie)) << p.Nazwa;
    } else {
      EXPECT_TRUE(wyslane.empty()) << p.Nazwa << ": no polls while the command is outstanding";
    }
    Port.Zamknij();
  }
}

TEST_F(LaczeTest, CommandsGoOutOneAtATimeInCallOrder) {
  Polacz();
  std::vector<std::string> odpowiedzi;
  auto zapisz = [&](std::string nazwa) { return [&odpowiedzi, nazwa](bool ok) { odpowiedzi.push_back(nazwa + (ok ? "+" : "-")); }; };
  Port.WyslijKomende(5, {}, zapisz("5"));
  Port.WyslijKomende(6, {}, zapisz("6"));
  Port.WyslijKomende(7, {}, zapisz("7"));
  EXPECT_EQ(Port.LiczbaOczekujacych(), 2u);
  // While the answer to 6 is dispatched, a feature sends 9: it queues behind 7.
  Otoczenie.PoRamce = [&](const TTablicaByte& r) {
    if (r[3] == 6) Port.WyslijKomende(9, {}, zapisz("9"));
  };
  Port.PoZapisie = [&](const TTablicaByte& w) {
    if (w[1] != 1) Port.Odbierz(Odpowiedz(w[1]));
  };
  Zegar.Przesun(1000);
  std::vector<int> kody;
  for (const auto& w : Wyslane()) {
    if (w != Zapytanie) kody.push_back(w[1]);
  }
  EXPECT_EQ(kody, (std::vector<int>{5, 6, 7, 9}));
  EXPECT_EQ(odpowiedzi, (std::vector<std::string>{"5+", "6+", "7+", "9+"}));
}

TEST_F(LaczeTest, ReadOnlyCommandsNeverAskTheChangeWarning) {
  for (uint8_t kod : {1, 3, 12, 59, 60}) {
    Polacz();
    Port.WyslijKomende(kod, {0});
    Zegar.Przesun(100);
    EXPECT_EQ(Wyslane(), (std::vector<TTablicaByte>{Komenda(kod, {0})})) << int(kod);
    Port.Zamknij();
  }
  EXPECT_EQ(Historia.LiczbaOstrzezen, 0);
  EXPECT_TRUE(Historia.Zmiany.empty());
}

TEST_F(LaczeTest, ChangeCommandsAskTheWarningAndAreRecorded) {
  Polacz();
  Zegar.UstawDate({2026, 12, 11, 9, 30, 0});
  for (uint8_t kod : {5, 11, 26, 38}) {
    Port.WyslijKomende(kod);
    Port.Odbierz(Odpowiedz(kod));
  }
  EXPECT_EQ(Historia.LiczbaOstrzezen, 4);
  EXPECT_EQ(Historia.Zmiany, std::vector<TDataCzas>(4, TDataCzas{2026, 12, 11, 9, 30, 0}));
}

TEST_F(LaczeTest, RefusedWarningSendsTheIdentificationRequestInstead) {
  Polacz();
  Historia.Zgoda = false;
  bool odpowiedziano = true;
  Port.WyslijKomende(38, {}, [&](bool ok) { odpowiedziano = ok; });
  EXPECT_FALSE(odpowiedziano);
  Zegar.Przesun(100);
  EXPECT_EQ(Wyslane(), (std::vector<TTablicaByte>{Bajty({0xAA, 0x0C, 0x00, 0xB6})}));
  EXPECT_EQ(Port.OstatniaKomenda(), 12);
  EXPECT_TRUE(Historia.Zmiany.empty());
  Port.Odbierz(Odpowiedz(12));
  EXPECT_TRUE(Port.LiniaWolna());
}

TEST_F(LaczeTest, FailingWriteClosesTheLinkWithMessage18) {
  Polacz();
  Port.ZapisZawodzi = true;
  Zegar.Przesun(100);
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_EQ(Okno.Bledy, (std::vector<std::string>{"Brak sterownika gazu"}));
  EXPECT_FALSE(Port.TaktZajety());
}

TEST_F(LaczeTest, ClosingDropsWaitingCommandsSoTheNextConnectionStartsClean) {
  Polacz();
  std::vector<std::string> odpowiedzi;
  for (uint8_t kod : {5, 6, 7}) {
    Port.WyslijKomende(kod, {}, [&odpowiedzi, kod](bool ok) { odpowiedzi.push_back(std::to_string(kod) + (ok ? "+" : "-")); });
  }
  Port.Zamknij();
  EXPECT_EQ(odpowiedzi, (std::vector<std::string>{"5-", "6-", "7-"}));
  EXPECT_EQ(Port.LiczbaOczekujacych(), 0u);

  bool zamkniety = true;
  Port.WyslijKomende(8, {}, [&](bool ok) { zamkniety = !ok; });
  EXPECT_TRUE(zamkniety) << "a command on a closed link is refused at once";

  Port.Otworz();
  Zegar.Przesun(100);
  EXPECT_EQ(Wyslane(), (std::vector<TTablicaByte>{Komenda(12, {1})}));
  Port.Odbierz(Odpowiedz(12));
  Zegar.Przesun(300);
  EXPECT_EQ(Wyslane(), std::vector<TTablicaByte>(3, Zapytanie));
}

TEST_F(LaczeTest, ResetForgetsAHalfReceivedFrameAndTheOutstandingCommand) {
  Polacz();
  Port.WyslijKomende(5);
  Zegar.Przesun(100);
  Wyslane();
  const auto ramka = Odpowiedz(1, {0x33});
  Port.Odbierz(TTablicaByte(ramka.begin(), ramka.begin() + 4));

  Port.ZerujLacze();
  EXPECT_TRUE(Port.LiniaWolna());
  Port.Odbierz(ramka);
  EXPECT_EQ(Otoczenie.Ramki, (std::vector<TTablicaByte>{ramka})) << "the stale half frame and its sum are gone";
  Zegar.Przesun(2000);
  for (const auto& w : Wyslane()) EXPECT_EQ(w, Zapytanie) << "command 5 is not resent after a reset";
}

TEST_F(LaczeTest, AResendDueJustBeforeTheAnswerIsNotSent) {
  const int64_t t = Polacz();
  Zegar.Przesun(50);
  Port.WyslijKomende(5);  // built at t + 50: the resend falls due at t + 1050, the next tick at t + 1100
  Zegar.Przesun(1010);
  EXPECT_EQ(Wyslane(), (std::vector<TTablicaByte>{Komenda(5)}));
  EXPECT_EQ(Zegar.CzasMs(), t + 1060);
  Port.Odbierz(Odpowiedz(5));
  Zegar.Przesun(40);
  EXPECT_EQ(Wyslane(), (std::vector<TTablicaByte>{Zapytanie}));
}

TEST_F(LaczeTest, LinkClosedWhileTheWarningIsOpenSendsNothing) {
  Polacz();
  Historia.PodczasOstrzezenia = [&] { Port.Zamknij(); };
  bool odpowiedziano = true;
  Port.WyslijKomende(26, {1, 2}, [&](bool ok) { odpowiedziano = ok; });
  EXPECT_FALSE(odpowiedziano);
  EXPECT_TRUE(Historia.Zmiany.empty());
  Zegar.Przesun(500);
  EXPECT_TRUE(Wyslane().empty());
}

TEST_F(LaczeTest, ReconnectWhileTheWarningIsOpenSendsIdentificationNotTheOldChange) {
  Polacz();
  Historia.PodczasOstrzezenia = [&] {
    Historia.PodczasOstrzezenia = nullptr;
    Port.Zamknij();
    Port.Otworz();
  };
  Port.WyslijKomende(26, {1, 2});
  Zegar.Przesun(100);
  EXPECT_EQ(Wyslane(), (std::vector<TTablicaByte>{Komenda(12, {1})}));
}

TEST_F(LaczeTest, IdleTestStopsPollingOnlyWhenNothingIsOutstanding) {
  Polacz();
  Port.WyslijKomende(5);
  EXPECT_FALSE(Port.CzyBezczynny());
  Zegar.Przesun(100);
  EXPECT_EQ(Wyslane().size(), 1u);
  Port.Odbierz(Odpowiedz(5));
  EXPECT_TRUE(Port.CzyBezczynny());
  Zegar.Przesun(10000);
  EXPECT_TRUE(Wyslane().empty());
  EXPECT_TRUE(Port.Polaczony()) << "the no-answer guard is stopped too";
}

TEST_F(LaczeTest, AcknowledgementMode) {
  struct TPrzypadek {
    const char* Nazwa;
    std::function<void(LaczeTest&)> Akcja;
    bool Wynik;
    bool Polaczony;
    std::size_t Bledy;
  };
  const TPrzypadek przypadki[] = {
      {"matching first byte; the rest of the chunk is dropped",
       [](LaczeTest& t) { t.Port.Odbierz(Bajty({0x42, 0xAA, 0x00, 0x05, 0x01, 0xB0})); }, true, true, 0},
      {"other first byte", [](LaczeTest& t) { t.Port.Odbierz(Bajty({0x41, 0x42})); }, false, true, 0},
      {"seven seconds of silence", [](LaczeTest& t) { t.Zegar.Przesun(7000); }, false, false, 1},
      {"link closed", [](LaczeTest& t) { t.Port.Zamknij(); }, false, false, 0},
      {"link reset", [](LaczeTest& t) { t.Port.ZerujLacze(); }, false, true, 0},
  };
  for (const auto& p : przypadki) {
    Okno.Bledy.clear();
    Polacz();
    ASSERT_TRUE(Port.CzyBezczynny());
    std::vector<bool> wyniki;
    Port.CzekajNaPotwierdzenie(0x42, [&](bool ok) { wyniki.push_back(ok); });
    p.Akcja(*this);
    EXPECT_EQ(wyniki, std::vector<bool>{p.Wynik}) << p.Nazwa;
    EXPECT_EQ(Port.Potwierdzono(), p.Wynik) << p.Nazwa;
    EXPECT_EQ(Port.BrakPotwierdzenia(), !p.Wynik) << p.Nazwa;
    EXPECT_EQ(Port.Polaczony(), p.Polaczony) << p.Nazwa;
    EXPECT_EQ(Okno.Bledy.size(), p.Bledy) << p.Nazwa;
    EXPECT_TRUE(Otoczenie.Ramki.empty()) << p.Nazwa;
    Port.Zamknij();
  }
}

TEST_F(LaczeTest, AnAnswerThatClosesTheLinkDuringTheWriteEndsTheTick) {
  Polacz();
  // The transport hands over the answer before the write returns, and the answer closes the
  // link (as a refused identification does).
  Otoczenie.PoRamce = [&](const TTablicaByte&) { Port.Zamknij(); };
  Port.PoZapisie = [&](const TTablicaByte& w) { Port.Odbierz(Odpowiedz(w[1])); };
  Zegar.Przesun(100);
  EXPECT_FALSE(Port.Polaczony());
  Wyslane();
  Zegar.Przesun(10000);
  EXPECT_TRUE(Wyslane().empty());
  EXPECT_TRUE(Okno.Bledy.empty()) << "no second 'no controller' box after the link was closed on purpose";
}

TEST_F(LaczeTest, BytesArrivingOnAClosedLinkAreIgnored) {
  Port.Odbierz(Odpowiedz(1));
  EXPECT_TRUE(Otoczenie.Ramki.empty());
}

TEST_F(LaczeTest, AFrameThatClosesTheLinkEndsItsChunk) {
  Polacz();
  Otoczenie.PoRamce = [&](const TTablicaByte&) { Port.Zamknij(); };
  auto dwie = Odpowiedz(12);
  const auto druga = Odpowiedz(1);
  dwie.insert(dwie.end(), druga.begin(), druga.end());
  Port.Odbierz(dwie);
  EXPECT_EQ(Otoczenie.Ramki.size(), 1u);
}

}  // namespace
}  // namespace wtrysk
