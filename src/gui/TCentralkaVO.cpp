#include "TCentralkaVO.h"

namespace wtrysk {

TCentralkaVO::TCentralkaVO(TSerwisCzasu& czas, QWidget* rodzic) : QFrame(rodzic), LedPaliwa(czas) {
  LedPaliwa.PoZmianie = [this](bool swieci) { UstawLedPaliwa(swieci); };
}

void TCentralkaVO::PokazPoziom(const std::optional<TLedyPoziomu>& ledy) {
  if (!ledy) return;
  UstawLedy((*ledy)[0], (*ledy)[1], (*ledy)[2], (*ledy)[3], (*ledy)[4]);
}

void TCentralkaVO::Zeruj() {
  UstawMiganie(false, 0);
  UstawLedy(false, false, false, false, false);
}

}  // namespace wtrysk
