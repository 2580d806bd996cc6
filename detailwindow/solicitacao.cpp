#include "detailwindow/solicitacao.h"

#include "platform/base/error.h"
#include "platform/base/vbruntime.h"

#include <QStringList>

namespace DetalheSolicitacao {
namespace {

// Minimum number of fields of each code.
constexpr int kCamposMinimos[9] = {2, 4, 1, 2, 4, 4, 0, 2, 0};

// The conversions raise the run time's errors (13 type mismatch, 6
// overflow); the caller turns any of them into a refusal.
std::int32_t Longo(const QString& t) { return platform::vb::CLng(QVariant(t)); }
std::int16_t Inteiro(const QString& t) { return platform::vb::CInt(QVariant(t)); }
std::uint8_t Byte(const QString& t) { return platform::vb::CByte(QVariant(t)); }

Pedido Converte(int codigo, const QStringList& c)
{
    switch (codigo) {
    case 0: {
        Observacao o;
        o.Tipo = c[0];
        o.Codigo = Longo(c[1]);
        if (c.size() >= 3)
            o.CodigoPeca = Longo(c[2]);
        if (c.size() >= 4)
            o.ItemComponente = c[3];
        if (c.size() >= 5)
            o.TextoExtra = c[4];
        return o;
    }
    case 1: return JogosReparo{Longo(c[0]), c[1], Longo(c[2]), Longo(c[3])};
    case 2: return Aplicacao{Longo(c[0])};
    case 3: return Lista{c[0], Longo(c[1])};
    case 4: return Opcionais{Longo(c[0]), Longo(c[1]), c[2], Longo(c[3])};
    case 5: return Saida{Longo(c[0]), c[1], c[2], Byte(c[3])};
    case 6: return Comparacao{};
    case 7: return Atualizacao{Inteiro(c[0]), Inteiro(c[1])};
    default: return Configuracao{};
    }
}

}  // namespace

std::optional<Pedido> AnalisaSolicitacao(const QString& solicitacao)
{
    QStringList partes = solicitacao.split(QLatin1Char('|'));
    const QString& codigoTexto = partes.front();
    if (codigoTexto.size() != 1 || codigoTexto[0] < QLatin1Char('0') || codigoTexto[0] > QLatin1Char('8'))
        return std::nullopt;
    const int codigo = codigoTexto[0].unicode() - '0';
    partes.removeFirst();
    if (partes.size() < kCamposMinimos[codigo])
        return std::nullopt;
    try {
        return Converte(codigo, partes);
    } catch (const platform::Error&) {
        return std::nullopt;
    }
}

}  // namespace DetalheSolicitacao
