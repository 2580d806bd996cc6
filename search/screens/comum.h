#pragma once
// Small helpers the search screens share (internal to search/screens).

#include "core/janelas.h"
#include "platform/dao/dao.h"

#include <QString>
#include <QVariant>

#include <functional>

class frmTQ1;

namespace Pesquisa::Interno {

// The hourglass for the life of an action (core/janelas.h).
using Modulo::Ampulheta;

// Editions: D and M choose kinds with the type drop-down; M has no
// manufacturer numbers and wider descriptions.
bool EdicaoTiposCombo();
bool EdicaoM();

// A width in pixels as the column specs write it (twips, horizontal).
QString Largura(int pixels);

// Whether the list's recordset has a current row.
bool TemLinhaAtual(const platform::dao::RecordsetPtr& rs);
// A field of the current row; an invalid QVariant when there is no current
// row or no field of that name (the list may still hold another screen's
// rows while a screen changes).
QVariant Campo(const platform::dao::RecordsetPtr& rs, const QString& nome);
// The same as text ("" for Null or missing) and as a whole number.
QString CampoTexto(const platform::dao::RecordsetPtr& rs, const QString& nome);
long CampoCodigo(const platform::dao::RecordsetPtr& rs, const QString& nome, long padrao = 0);

// The critical box of the search screens: the texts-table entry followed by
// ".", titled with text 19 (the catalogue's title).
void CaixaCritica(long texto);

// The first steps of showing screen 1 or 2 (`tela`) from screen `origem`:
// `le` reads what the screen needs (its drop-down, the list's rows) while the
// user still sees the screen he had; when it raises, Back from the parts list
// (3), which has already dropped its digit from the history, puts it back.
// Then the screen shown is left: from the start screen (0) and screen 9 the
// history gains `tela`'s digit; the parts list hides.
void LeEDeixaTelaOrigem(frmTQ1& f, quint8 origem, QChar tela, const std::function<void()>& le);

}  // namespace Pesquisa::Interno
