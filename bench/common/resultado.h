#pragma once
// The result line of one benchmark figure.  Every benchmark prints each of
// its figures through Resultado, after its own lines of detail; bench/run-all
// collects these lines into its closing summary, so the wording of a figure
// within or over its target is the same everywhere:
//
//   RESULT | <figure> | <value> | <= <target> | ok
//   RESULT | <figure> | <value> | >= <target> | over target
//
// A figure's name holds no " | ".  Being over target does not change a
// benchmark's exit status: a benchmark exits non-zero only when it could not
// measure.

#include <cstdio>
#include <string>

namespace bench {

enum class Alvo { NoMaximo, NoMinimo };

inline const char* const kDentro = "ok";
inline const char* const kAcima = "over target";

// Prints the result line of `figura` and returns whether it is within its
// target: at most `alvo` (NoMaximo) or at least `alvo` (NoMinimo).
inline bool Resultado(const std::string& figura, double valor, Alvo sentido, double alvo)
{
    const bool dentro = sentido == Alvo::NoMaximo ? valor <= alvo : valor >= alvo;
    std::printf("RESULT | %s | %.2f | %s %g | %s\n", figura.c_str(), valor, sentido == Alvo::NoMaximo ? "<=" : ">=", alvo,
                dentro ? kDentro : kAcima);
    std::fflush(stdout);
    return dentro;
}

}  // namespace bench
