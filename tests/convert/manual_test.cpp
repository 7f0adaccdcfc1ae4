// The manual page says what the program does: the options it lists are the
// ones the command line takes and the usage shows, its formats are the
// program's, and its exit statuses are the three the program gives.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "convert/mensajes.h"
#include "convert/opciones.h"
#include "support/ficheros.h"

namespace vyr::conv {
namespace {

// The word after ".B" or ".BI" on the line after each ".TP", per section,
// with roff's "\-" as "-".
std::map<std::string, std::vector<std::string>> Entradas(const std::string& pagina) {
    std::map<std::string, std::vector<std::string>> r;
    std::istringstream in(pagina);
    std::string linea, seccion;
    bool tras = false;
    while (std::getline(in, linea)) {
        if (linea.starts_with(".SH ")) {
            seccion = linea.substr(4);
        } else if (tras && (linea.starts_with(".B ") || linea.starts_with(".BI "))) {
            std::string palabra = linea.substr(linea.find(' ') + 1);
            palabra = palabra.substr(0, palabra.find(' '));
            for (std::size_t k; (k = palabra.find("\\-")) != std::string::npos;) palabra.replace(k, 2, "-");
            r[seccion].push_back(palabra);
        }
        tras = linea == ".TP";
    }
    return r;
}

TEST(Manual, AgreesWithTheProgram) {
    const std::string pagina = test::LeeFichero(VYR_MANUAL);
    ASSERT_FALSE(pagina.empty()) << VYR_MANUAL;
    auto e = Entradas(pagina);

    const std::vector<std::string> opciones = {"--de", "--a", "--forzar", "--ayuda", "--"};
    EXPECT_EQ(e["OPCIONES"], opciones);
    for (const auto& o : opciones) {
        // Taken by the command line (a format after those that want one) ...
        std::vector<std::string> args = {o};
        if (o == "--de" || o == "--a") args.push_back("vyr");
        args.insert(args.end(), {"a", "b"});
        EXPECT_EQ(LeeOpciones(args).error, "") << o;
        // ... and shown by the usage.
        if (o != "--") {
            EXPECT_NE(std::string(textos::kUso).find("  " + o + " "), std::string::npos) << o;
        }
    }

    std::vector<std::string> formatos;
    for (Formato f : kFormatos) formatos.emplace_back(Nombre(f));
    EXPECT_EQ(e["FORMATOS"], formatos);

    EXPECT_EQ(e["\"ESTADO DE SALIDA\""], (std::vector<std::string>{"0", "1", "2"}));
}

}  // namespace
}  // namespace vyr::conv
