#include "TCentralkaVOLed300.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QVBoxLayout>

#include "KoloryQt.h"

namespace wtrysk {

namespace {
const QColor KolorRezerwy(0xe5, 0x39, 0x35);
const QColor KolorPoziomu(0x43, 0xa0, 0x47);
const QColor KolorObudowy(0x37, 0x3d, 0x45);
}  // namespace

TObrazLed::TObrazLed(QColor kolor, bool swieci, QWidget* rodzic) : QWidget(rodzic), Kolor(kolor), Swieci(swieci) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TObrazLed::sizeHint() const {
  const int d = fontMetrics().height() * 5 / 4;
  return {d, d};
}

void TObrazLed::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  QRadialGradient g(r.center() - QPointF(r.width() / 6, r.height() / 6), r.width() / 1.6);
  if (Swieci) {
    g.setColorAt(0, Kolor.lighter(170));
    g.setColorAt(1, Kolor);
  } else {
    const QColor ciemny = Kolor.darker(420);
    g.setColorAt(0, ciemny.lighter(160));
    g.setColorAt(1, ciemny);
  }
  p.setPen(QPen(QColor(0x1c, 0x1f, 0x23), 1));
  p.setBrush(g);
  p.drawEllipse(r);
}

void TObrazLed::mousePressEvent(QMouseEvent* zdarzenie) {
  if (zdarzenie->button() == Qt::LeftButton) emit Nacisniety(Tag);
}

TKsztalt::TKsztalt(TRodzaj rodzaj, QWidget* rodzic)
    : QWidget(rodzic), Rodzaj(rodzaj), Wypelnienie(rodzaj == TRodzaj::Przycisk ? QColor(0xd9, 0xdc, 0xe0) : Qt::black) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  if (rodzaj == TRodzaj::Przycisk) setCursor(Qt::PointingHandCursor);
}

QSize TKsztalt::sizeHint() const {
  const int h = fontMetrics().height();
  return Rodzaj == TRodzaj::Przycisk ? QSize(5 * h / 2, 5 * h / 2) : QSize(h * 5 / 4, h * 5 / 4);
}

void TKsztalt::UstawKolor(QColor kolor) {
  if (kolor == Wypelnienie) return;
  Wypelnienie = kolor;
  update();
}

void TKsztalt::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  p.setPen(QPen(QColor(0x1c, 0x1f, 0x23), 1.2));
  p.setBrush(Wypelnienie);
  p.drawEllipse(r);
}

void TKsztalt::mousePressEvent(QMouseEvent* zdarzenie) {
  if (zdarzenie->button() == Qt::LeftButton) emit Nacisniety();
}

TCentralkaVOLed300::TCentralkaVOLed300(TSerwisCzasu& czas, QWidget* rodzic) : TCentralkaVO(czas, rodzic) {
  setObjectName(QStringLiteral("CentralkaVOLed300"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, KolorObudowy);
  paleta.setColor(QPalette::WindowText, QColor(0xec, 0xef, 0xf1));
  setPalette(paleta);

  static const char* const NazwyZapalonych[] = {"LedRezerwaImage", "Led1Image", "Led2Image", "Led3Image", "Led4Image"};
  static const char* const NazwyZgaszonych[] = {"LedRezerwaZgaszonaImage", "Led1ZgaszonaImage", "Led2ZgaszonaImage",
                                                "Led3ZgaszonaImage", "Led4ZgaszonaImage"};
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(8, 8, 8, 8);
  uklad->setSpacing(8);
  auto* rzadLedow = new QHBoxLayout;
  rzadLedow->setSpacing(8);
  rzadLedow->addStretch();
  for (int i = 0; i < 5; ++i) {
    const QColor kolor = i == 0 ? KolorRezerwy : KolorPoziomu;
    auto* miejsce = new QGridLayout;
    Zapalone[i] = new TObrazLed(kolor, true, this);
    Zgaszone[i] = new TObrazLed(kolor, false, this);
    Zapalone[i]->setObjectName(QString::fromLatin1(NazwyZapalonych[i]));
    Zgaszone[i]->setObjectName(QString::fromLatin1(NazwyZgaszonych[i]));
    // The level LEDs carry their number; a press opens their threshold.
    Zapalone[i]->Tag = i;
    Zgaszone[i]->Tag = i;
    miejsce->addWidget(Zapalone[i], 0, 0);
    miejsce->addWidget(Zgaszone[i], 0, 0);
    rzadLedow->addLayout(miejsce);
    if (i > 0) {
      for (TObrazLed* led : {Zapalone[i], Zgaszone[i]}) {
        led->setCursor(Qt::PointingHandCursor);
        connect(led, &TObrazLed::Nacisniety, this, &TCentralkaVO::OtworzProgi);
      }
    }
  }
  rzadLedow->addStretch();
  uklad->addLayout(rzadLedow);

  auto* rzadPrzycisku = new QHBoxLayout;
  rzadPrzycisku->addStretch();
  LedRodzajPaliwaShape = new TKsztalt(TKsztalt::TRodzaj::Led, this);
  LedRodzajPaliwaShape->setObjectName(QStringLiteral("LedRodzajPaliwaShape"));
  rzadPrzycisku->addWidget(LedRodzajPaliwaShape, 0, Qt::AlignVCenter);
  rzadPrzycisku->addSpacing(10);
  // The caption sits on the round button; both take the press.
  auto* miejscePrzycisku = new QGridLayout;
  CentralkaPrzyciskShape = new TKsztalt(TKsztalt::TRodzaj::Przycisk, this);
  CentralkaPrzyciskShape->setObjectName(QStringLiteral("CentralkaPrzyciskShape"));
  CentralkaPrzyciskShape->setToolTip(QStringLiteral("Zmiana paliwa"));
  NapisBG = new QLabel(QStringLiteral("B/G"), this);
  NapisBG->setObjectName(QStringLiteral("CentralkaPrzyciskLabel"));
  NapisBG->setAlignment(Qt::AlignCenter);
  NapisBG->setToolTip(QStringLiteral("Zmiana paliwa"));
  NapisBG->setCursor(Qt::PointingHandCursor);
  QPalette paletaNapisu = NapisBG->palette();
  paletaNapisu.setColor(QPalette::WindowText, QColor(0x26, 0x32, 0x38));
  NapisBG->setPalette(paletaNapisu);
  QFont pogrubiona = NapisBG->font();
  pogrubiona.setBold(true);
  NapisBG->setFont(pogrubiona);
  miejscePrzycisku->addWidget(CentralkaPrzyciskShape, 0, 0, Qt::AlignCenter);
  miejscePrzycisku->addWidget(NapisBG, 0, 0, Qt::AlignCenter);
  rzadPrzycisku->addLayout(miejscePrzycisku);
  rzadPrzycisku->addStretch();
  uklad->addLayout(rzadPrzycisku);
  Przycisk = CentralkaPrzyciskShape;
  connect(CentralkaPrzyciskShape, &TKsztalt::Nacisniety, this, [this] { emit ZmienPaliwo(Przycisk); });
  // The label passes its presses on to the button beneath it.
  NapisBG->setAttribute(Qt::WA_TransparentForMouseEvents);

  UstawLedy(false, false, false, false, false);
  UstawLedPaliwa(false);
}

void TCentralkaVOLed300::UstawLedy(bool rezerwa, bool led1, bool led2, bool led3, bool led4) {
  const std::array<bool, 5> stan{rezerwa, led1, led2, led3, led4};
  for (std::size_t i = 0; i < stan.size(); ++i) {
    Zapalone[i]->setVisible(stan[i]);
    Zgaszone[i]->setVisible(!stan[i]);
  }
}

void TCentralkaVOLed300::UstawLedPaliwa(bool swieci) {
  TCentralkaVO::UstawLedPaliwa(swieci);
  LedRodzajPaliwaShape->UstawKolor(KolorQt(swieci ? KolorLeduPaliwaWl : KolorLeduPaliwaWyl));
}

std::array<bool, 5> TCentralkaVOLed300::Ledy() const {
  std::array<bool, 5> ledy{};
  for (std::size_t i = 0; i < ledy.size(); ++i) ledy[i] = !Zapalone[i]->isHidden();
  return ledy;
}

}  // namespace wtrysk
