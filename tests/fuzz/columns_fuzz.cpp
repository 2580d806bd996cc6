// The column-spec language of the list controls: the first line holds the
// bar width, the first index without dividers and the picture widths
// (numbers split by blanks); every further line is one column spec.  The
// list layout and the face layout are calculated from them.  Checked
// besides crashes and overflows: no label gets a negative width.
#include "fuzzsupport.h"

#include "listcontrols/thcolumns.h"

using namespace THLayout;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = tqfuzz::Utf8(data, size).split(QLatin1Char('\n'));
    const QStringList numbers = lines[0].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EntradaColunas in;
    in.especificacoes = lines.mid(1);
    in.larguraBarraTwips = numbers.value(0).toInt();
    in.apartirIndexSemDivisor = numbers.size() > 1 ? numbers[1].toInt() : TodasComDivisor;
    for (qsizetype k = 2; k < numbers.size(); ++k)
        in.larguraImagensTwips.push_back(numbers[k].toInt());

    try {
        const LayoutColunas l = CalculaColunas(in);
        for (const Rotulo& r : l.rotulos)
            if (r.larguraTwips < 0)
                tqfuzz::Finding("a label of negative width");
    } catch (const platform::Error&) {
    }
    try {
        const LayoutFace f = CalculaFace(in.especificacoes, in.larguraImagensTwips);
        for (const Rotulo& r : f.rotulos)
            if (r.larguraTwips < 0)
                tqfuzz::Finding("a face label of negative width");
    } catch (const platform::Error&) {
    }
    return 0;
}
