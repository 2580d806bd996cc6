#include "core/searchtext.h"

#include "core/database.h"
#include "platform/base/vbruntime.h"

#include <cmath>

namespace Modulo {

using namespace platform::dao;

QString SomenteLetrasDigitos(const QString& texto)
{
    const QString upper = texto.toUpper();
    QString out;
    out.reserve(upper.size());
    for (const QChar c : upper) {
        const char16_t u = c.unicode();
        if ((u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9'))
            out.append(c);
    }
    return out;
}

QString RemoveZerosEsquerda(const QString& texto)
{
    qsizetype i = 0;
    while (i < texto.size() && texto.at(i) == QLatin1Char('0'))
        ++i;
    return texto.mid(i);
}

QString RemoveAcentos(const QString& texto)
{
    QString out;
    out.reserve(texto.size());
    for (const QChar c : texto) {
        switch (c.unicode()) {
        case u'Á': case u'À': case u'Â': case u'Ä': case u'Ã': case u'ª': out.append(QLatin1Char('A')); break;
        case u'É': case u'È': case u'Ê': case u'Ë': out.append(QLatin1Char('E')); break;
        case u'Í': case u'Ì': case u'Î': case u'Ï': out.append(QLatin1Char('I')); break;
        case u'Ó': case u'Ò': case u'Ô': case u'Ö': case u'Õ': case u'º': out.append(QLatin1Char('O')); break;
        case u'Ú': case u'Ù': case u'Û': case u'Ü': out.append(QLatin1Char('U')); break;
        case u'Ç': out.append(QLatin1Char('C')); break;
        default: out.append(c); break;
        }
    }
    return out;
}

QString NormalizaNumeroEmpresa(const QString& texto) { return RemoveZerosEsquerda(SomenteLetrasDigitos(texto)); }

QString NormalizaNumeroFabricante(const QString& texto) { return RemoveZerosEsquerda(SomenteLetrasDigitos(texto)); }

QString PreparaTextoPesquisa(const QString& texto, bool paraLike)
{
    QString t = texto.trimmed();
    t.replace(QLatin1Char('\''), QChar(u'´'));
    t = t.toUpper();
    t.remove(QLatin1Char('|'));
    if (!paraLike)
        return t;
    for (const QChar c : {QLatin1Char('['), QLatin1Char(']'), QLatin1Char('?'), QLatin1Char('*'), QLatin1Char('#'),
                          QLatin1Char('!')})
        t.remove(c);
    t = RemoveAcentos(t);
    // Each letter is written as its class once: no class holds a letter
    // replaced after it.
    QString out;
    out.reserve(t.size() * 4);
    for (const QChar c : t) {
        switch (c.unicode()) {
        case u'A': out += QStringLiteral("[AÁÀÂÄÃª]"); break;
        case u'E': out += QStringLiteral("[EÉÈÊË]"); break;
        case u'I': out += QStringLiteral("[IÍÌÎÏ]"); break;
        case u'O': out += QStringLiteral("[OÓÒÔÖÕº]"); break;
        case u'U': out += QStringLiteral("[UÚÙÛÜ]"); break;
        case u'C': out += QStringLiteral("[CÇ]"); break;
        default: out.append(c); break;
        }
    }
    return out;
}

QString TextoSQL(const QString& texto)
{
    QString t = texto;
    t.replace(QLatin1Char('\''), QLatin1String("''"));
    return t;
}

QVariant ObtemValorSQL(const QString& sql, DatabasePtr db, const QVariant& padrao)
{
    RecordsetPtr rs = AbreConsulta(sql, &db, dbOpenForwardOnly);
    QVariant valor = padrao;
    try {
        if (!rs->EOF_())
            valor = rs->Fields(0).Value();
    } catch (...) {
        FechaConsulta(rs);
        throw;
    }
    FechaConsulta(rs);
    return valor;
}

QString ObtemListaSQL(const QString& sql, DatabasePtr db, const QString& separador)
{
    RecordsetPtr rs = AbreConsulta(sql, &db, dbOpenForwardOnly);
    QStringList valores;
    try {
        while (!rs->EOF_()) {
            const QVariant v = rs->Fields(0).Value();
            if (!IsNull(v))
                valores << v.toString();
            rs->MoveNext();
        }
    } catch (...) {
        FechaConsulta(rs);
        throw;
    }
    FechaConsulta(rs);
    return valores.join(separador);
}

QString ExpressaoItemComponente(const QString& tabela)
{
    QString prefixo = tabela;
    if (!prefixo.endsWith(QLatin1Char('.')))
        prefixo += QLatin1Char('.');
    QString e = QStringLiteral(
        "IIF(   <TABELA>ItemComponente LIKE '##.###*' , Format( LEFT(<TABELA>ItemComponente&'.000',10) , "
        "'00,000,000') , IIF(   IsNumeric(<TABELA>ItemComponente) , ' ' + Format( VAL(<TABELA>ItemComponente) , "
        "'000.00') , <TABELA>ItemComponente   )   ) ");
    e.replace(QStringLiteral("<TABELA>"), prefixo);
    return e;
}

std::int16_t ConverteInteiro(const QString& texto, std::int16_t padrao)
{
    // The run time's number rule: "." is the decimal separator, whatever the locale.
    double v = 0;
    if (!platform::vb::TextToNumber(texto.toStdString(), &v) || !std::isfinite(v))
        return padrao;
    const double f = std::floor(v);
    if (f < -32768.0 || f > 32767.0)
        return padrao;
    return static_cast<std::int16_t>(f);
}

QVariant ValorSeNulo(const QVariant& valor, const QVariant& seNulo)
{
    return IsNull(valor) ? seNulo : valor;
}

QVariant ValorSeNulo(const QVariant& valor, const QVariant& seNulo, const QVariant& senaoValor)
{
    return IsNull(valor) ? seNulo : senaoValor;
}

}  // namespace Modulo
