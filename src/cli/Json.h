#pragma once

#include <QJsonObject>

#include "model/TModelSterownika.h"
#include "protokol/TIdentyfikacjaSterownika.h"

namespace wtrysk {

// The records as JSON objects whose keys are the field names of the data model. Arrays of
// numbers stay arrays; the 16-byte block is a hex string.
QJsonObject DaneBiezaceDoJson(const TDaneBiezace& d);
QJsonObject NastawyDoJson(const TNastawy& n);
QJsonObject IdentyfikacjaDoJson(const TIdentyfikacjaSterownika& id);

// One JSON line on stdout, flushed at once so a reader of a pipe sees it immediately.
void WypiszLinieJson(const QJsonObject& obiekt);

}  // namespace wtrysk
