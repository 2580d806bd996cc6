#include "comparison/screen/impressaolista.h"

#include "output/report/saida.h"

namespace Comparacao {

void ImprimeListaCarrinho(const platform::dao::RecordsetPtr& Lista)
{
    // Print mode without an output window: the job ends inside the call.
    saida::Saida s;
    s.ImprimeLista(Lista);
}

}  // namespace Comparacao
