// The printer surface's failures, told in the run's language.

#include "core/globals.h"
#include "output/report/superficieimpressora.h"
#include "platform/base/error.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QPrinter>

#include <gtest/gtest.h>

namespace {

TEST(SuperficieImpressora, APrinterThatCannotStartSaysSoInTheRunsLanguage)
{
    const QString idioma = Modulo::gIdioma;
    tqtest::TempDir pasta;
    struct Caso {
        const char* idioma;
        const char* texto;
    };
    const Caso casos[] = {
        {"P", "Erro de impressora: a impressora não pode iniciar o documento"},
        {"E", "Error de impresora: la impresora no puede iniciar el documento"},
        {"I", "Printer error: the printer cannot start the document"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.idioma);
        Modulo::gIdioma = QString::fromLatin1(c.idioma);
        auto impressora = std::make_unique<QPrinter>(QPrinter::HighResolution);
        impressora->setOutputFormat(QPrinter::PdfFormat);
        impressora->setOutputFileName(pasta.file(QStringLiteral("nenhuma/pasta/saida.pdf")));
        saida::SuperficieImpressora s(std::move(impressora));
        try {
            s.Print(QStringLiteral("texto"), true);
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), saida::kErroImpressora);
            EXPECT_EQ(e.description(), QString::fromUtf8(c.texto));
        }
    }
    Modulo::gIdioma = idioma;
}

}  // namespace
