#pragma once
// The requests of the detail window, read from the request text without any
// widget or database.
//
// A request text (`Solicitacao`) is the request code, then, when the request
// has fields, "|" and the fields separated by "|" ("2|1375",
// "1|1375|12.1|4410|0", "6").  The text is split on every "|"; element 0 is
// the code, compared as text with "0" to "8" (" 6", "06" and "6 " are no
// codes).  Each code has a row of fields, converted as the run time's CLng
// (32-bit), CInt (16-bit) and CByte (byte) do: surrounding blanks are
// allowed, a fraction is rounded half to even, text that is no number or a
// value out of range does not convert.  Texts pass unchanged.
//
//   code  fields (in order)                                         at least
//   0     Tipo text, Codigo 32-bit, CodigoPeca 32-bit (-5 absent),      2
//         ItemComponente text (absent: none), TextoExtra text ("")
//   1     CodigoPeca 32-bit, ItemComponente text, CodigoComponente      4
//         32-bit, a 32-bit number the screen ignores
//   2     CodigoPeca 32-bit                                             1
//   3     Tipo text, Codigo 32-bit                                      2
//   4     CodigoPeca 32-bit, CodigoComponente 32-bit, ItemComponente    4
//         text, a 32-bit number the screen ignores
//   5     CodigoPeca 32-bit, mode text, content text, part byte         4
//   6     none                                                          0
//   7     local version 16-bit, server version 16-bit                   2
//   8     none                                                          0
//
// Fields beyond a row are ignored.  A request is refused (AnalisaSolicitacao
// gives nothing) when its text is empty, its code is not exactly "0" to "8",
// it has fewer fields than its row needs, or a numeric field does not
// convert.  The senders never produce such a request; the window then closes
// at once instead of running anything.

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

namespace DetalheSolicitacao {

struct Observacao {        // 0
    QString Tipo;          // kind code or kind text, mapped later by ObtemCodigoTipo
    std::int32_t Codigo = 0;
    std::int32_t CodigoPeca = -5;
    std::optional<QString> ItemComponente;
    QString TextoExtra;
};
struct JogosReparo {       // 1
    std::int32_t CodigoPeca = 0;
    QString ItemComponente;
    std::int32_t CodigoComponente = 0;
    std::int32_t Numero = 0;
};
struct Aplicacao {         // 2
    std::int32_t CodigoPeca = 0;
};
struct Lista {             // 3
    QString Tipo;
    std::int32_t Codigo = 0;
};
struct Opcionais {         // 4
    std::int32_t CodigoPeca = 0;
    std::int32_t CodigoComponente = 0;
    QString ItemComponente;
    std::int32_t Numero = 0;
};
struct Saida {             // 5
    std::int32_t CodigoPeca = 0;
    QString Modo;
    QString Opcoes;
    std::uint8_t ParteFigura = 255;
};
struct Comparacao {};      // 6
struct Atualizacao {       // 7
    std::int16_t VersaoLocal = 0;
    std::int16_t VersaoServidor = 0;
};
struct Configuracao {};    // 8

using Pedido = std::variant<Observacao, JogosReparo, Aplicacao, Lista, Opcionais, Saida, Comparacao, Atualizacao,
                            Configuracao>;

// The request code of a parsed request (the variant's index).
inline int Codigo(const Pedido& p) { return static_cast<int>(p.index()); }

// The request with its fields converted, or nothing when it is refused.
std::optional<Pedido> AnalisaSolicitacao(const QString& solicitacao);

}  // namespace DetalheSolicitacao
