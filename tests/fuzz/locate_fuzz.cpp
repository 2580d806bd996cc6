// The figure's locate requests: any text as the request another screen
// leaves for the figure.
//
// Checked besides crashes: the kind word is one of the three kinds' or none,
// and present whenever something is located; requested items are never empty
// and hold no "|"; a kit or component code read back from the writers' form
// of the request is the same code.
#include "fuzzsupport.h"

#include "assembly/localizacao.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace Conjunto;
    for (const QString& texto : {tqfuzz::Windows1252(data, size), tqfuzz::Utf8(data, size)}) {
        const SolicitacaoLocalizacao s = LeSolicitacaoLocalizacao(texto);
        if (s.textoTipo != -1 && s.textoTipo != 2 && s.textoTipo != 4 && s.textoTipo != 24)
            tqfuzz::Finding("a kind word of no kind");
        // (An empty item pair "I::I" names its kind and locates nothing.)
        if (s.textoTipo == -1 && !s.Vazia())
            tqfuzz::Finding("a located kind without its kind word");
        for (const QString& item : s.itens)
            if (item.isEmpty() || item.contains(QLatin1Char('|')))
                tqfuzz::Finding("an empty item or one holding the separator");
        if (s.jogo && LeSolicitacaoLocalizacao(SolicitacaoJogo(*s.jogo)).jogo != s.jogo)
            tqfuzz::Finding("a kit code does not read back");
        if (s.componente && LeSolicitacaoLocalizacao(SolicitacaoComponente(*s.componente)).componente != s.componente)
            tqfuzz::Finding("a component code does not read back");
    }
    return 0;
}
