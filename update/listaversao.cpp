#include "update/listaversao.h"

#include "core/textosproprios.h"
#include "platform/base/error.h"
#include "update/scriptatualizacao.h"

#include <limits>

namespace Atualizacao {
namespace {

const QString kFonteLista = QStringLiteral("ListVersao");
constexpr qint64 kMaiorTamanho = std::numeric_limits<qint32>::max();  // a 32-bit number
constexpr qint64 kSaturado = std::numeric_limits<qint64>::max();

QString Aspas(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

QString Onde(const QString& lista, int linha)
{
    return Modulo::TextoNoIdioma("Lista de atualização %1, linha %2", "Lista de actualización %1, línea %2",
                                 "Update list %1, line %2")
        .arg(Aspas(lista))
        .arg(linha);
}

qint64 LeTamanho(const QString& campo, const QString& lista, int linha)
{
    const QString t = campo.trimmed();
    bool digitos = !t.isEmpty();
    for (qsizetype i = 0; i < t.size() && digitos; ++i) {
        const QChar c = t.at(i);
        digitos = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (i == 0 && c == QLatin1Char('+') && t.size() > 1);
    }
    if (!digitos)
        throw platform::Error(platform::errors::TypeMismatch,
                              Onde(lista, linha)
                                  + Modulo::TextoNoIdioma(": o tamanho %1 não é um número inteiro de bytes.",
                                                          ": el tamaño %1 no es un número entero de bytes.",
                                                          ": the size %1 is not a whole number of bytes.")
                                        .arg(Aspas(campo)),
                              kFonteLista);
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    if (!ok || v > kMaiorTamanho)
        throw platform::Error(
            platform::errors::Overflow,
            Onde(lista, linha)
                + Modulo::TextoNoIdioma(": o tamanho %1 é grande demais.", ": el tamaño %1 es demasiado grande.",
                                        ": the size %1 is too large.")
                      .arg(Aspas(campo)),
            kFonteLista);
    return v;
}

}  // namespace

QString ChaveNome(const QString& nome) { return nome.trimmed().toUpper(); }

bool PareceHtml(const QString& texto)
{
    // The first non-blank characters of the body, past a byte-order mark.
    qsizetype i = 0;
    while (i < texto.size() && (texto.at(i).isSpace() || texto.at(i) == QChar(0xFEFF)))
        ++i;
    if (i >= texto.size() || texto.at(i) != QLatin1Char('<'))
        return false;
    const QString inicio = texto.mid(i, 16).toLower();
    for (const char* marca : {"<!doctype", "<html", "<head", "<body", "<title", "<?xml", "<!--", "<meta", "<p>", "<h1"})
        if (inicio.startsWith(QLatin1String(marca)))
            return true;
    return false;
}

std::vector<LinhaLista> LeListaVersao(const QString& texto, const QString& nomeLista)
{
    if (PareceHtml(texto))
        throw platform::Error(
            platform::errors::TypeMismatch,
            Modulo::TextoNoIdioma("A lista de atualização %1 recebida é uma página HTML, não uma lista de arquivos.",
                                  "La lista de actualización %1 recibida es una página HTML, no una lista "
                                  "de archivos.",
                                  "The update list %1 received is an HTML page, not a list of files.")
                .arg(Aspas(nomeLista)),
            kFonteLista);
    std::vector<LinhaLista> linhas;
    const QStringList partes = DivideLinhasScript(texto);
    for (qsizetype n = 0; n < partes.size(); ++n) {
        const QString& l = partes[n];
        if (l.trimmed().isEmpty())
            continue;
        const int numero = static_cast<int>(n + 1);
        const QStringList campos = l.split(QLatin1Char(';'));
        if (campos.size() < 3)
            throw platform::Error(
                9,
                Onde(nomeLista, numero)
                    + Modulo::TextoNoIdioma(": a linha %1 não tem os três campos tipo;nome;tamanho.",
                                            ": la línea %1 no tiene los tres campos tipo;nombre;tamaño.",
                                            ": the line %1 does not have the three fields type;name;size.")
                          .arg(Aspas(l)),
                kFonteLista);
        LinhaLista linha;
        linha.Tipo = campos[0].left(3).leftJustified(3, QLatin1Char(' '));
        linha.Nome = campos[1];
        linha.Tamanho = LeTamanho(campos[2], nomeLista, numero);
        linha.Linha = numero;
        linhas.push_back(std::move(linha));
    }
    return linhas;
}

void ListaEntradas::Acrescenta(const std::vector<LinhaLista>& linhas)
{
    for (const LinhaLista& l : linhas) {
        const QString chave = ChaveNome(l.Nome);
        const auto achada = m_indice.constFind(chave);
        if (achada != m_indice.constEnd()) {
            EntradaAtualizacao& e = m_entradas[*achada];
            e.Tipo = l.Tipo;
            if (m_soma != kSaturado)
                m_soma -= e.Tamanho;
            e.Tamanho = l.Tamanho;
        } else {
            m_indice.insert(chave, m_entradas.size());
            m_entradas.push_back({l.Tipo, l.Nome, l.Tamanho});
        }
        m_soma = m_soma > kSaturado - l.Tamanho ? kSaturado : m_soma + l.Tamanho;
    }
}

}  // namespace Atualizacao
