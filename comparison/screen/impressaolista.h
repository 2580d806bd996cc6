#pragma once
// The cart list's Print: report output's cart printout (saida::Saida::
// ImprimeLista) in print mode, without an output window: the print dialog,
// the list's rows through a clone (its current row stays), its own errors in
// the error box.  The caller refuses an empty list first.

#include "platform/dao/dao.h"

namespace Comparacao {

void ImprimeListaCarrinho(const platform::dao::RecordsetPtr& Lista);

}  // namespace Comparacao
