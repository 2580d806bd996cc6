#include "update/progressoatualizacao.h"

#include "core/texts.h"
#include "platform/base/vbruntime.h"

#include <algorithm>

namespace Atualizacao {

QStringList TitulosPassos()
{
    QStringList titulos;
    for (int texto = 74; texto <= 77; ++texto)
        titulos << Modulo::ObtemTexto(texto).toUpper();
    return titulos;
}

double RazaoProgresso(qint64 total, qint64 feito)
{
    if (total <= 0)
        return 1.0;
    return std::clamp(static_cast<double>(feito) / static_cast<double>(total), 0.0, 1.0);
}

int LarguraBarraProgresso(qint64 total, qint64 feito, int largura)
{
    return static_cast<int>(platform::vb::Round(RazaoProgresso(total, feito) * largura));
}

QString TextoPercentual(qint64 total, qint64 feito)
{
    return platform::vb::FormatText(RazaoProgresso(total, feito) * 100.0, QStringLiteral("##0.00"))
        + QStringLiteral(" %");
}

}  // namespace Atualizacao
