#include "comparison/screen/impressaolista.h"

#include "core/globals.h"
#include "output/report/saida.h"

namespace Comparacao {

namespace {

// The printout asks no file and sends no mail.
class SemArquivos final : public saida::Ambiente {
public:
    std::optional<QString> PerguntaArquivo(const saida::PedidoArquivo&) override { return std::nullopt; }
    void EnviaEmail(const QStringList&) override {}
};

}  // namespace

void ImprimeListaCarrinho(const platform::dao::RecordsetPtr& Lista)
{
    SemArquivos ambiente;
    saida::Saida s(ambiente);
    s.mModoSaida = QStringLiteral("P");
    s.TextoDataEmissao = Modulo::gTextoDataEmissao;
    s.ImprimeLista(Lista);
}

}  // namespace Comparacao
