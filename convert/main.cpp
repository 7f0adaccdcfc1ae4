// vyr-convertir: other programs' list files to and from our line format.
#include <iostream>

#include "convert/conversion.h"
#include "convert/ficheros.h"
#include "convert/informe.h"
#include "convert/mensajes.h"
#include "convert/opciones.h"

using namespace vyr::conv;
using vyr::Fallo;

namespace {

int Error(const std::string& texto, int estado) {
    std::cerr << "vyr-convertir: " << texto << "\n";
    return estado;
}

}  // namespace

int main(int argc, char** argv) {
    const auto leidas = LeeOpciones(std::vector<std::string>(argv + 1, argv + argc));
    if (!leidas.opciones) return Error(leidas.error + "\nUse --ayuda para ver el uso.", 2);
    const Opciones& o = *leidas.opciones;
    if (o.ayuda) {
        std::cout << textos::kUso;
        return 0;
    }
    if (o.de && !Admitida(*o.de, o.a)) return Error(textos::NoAdmitida(Nombre(*o.de), Nombre(o.a)), 2);
    if (o.salida != "-") {
        const EstadoSalida s = Salida(o.salida);
        if (s == EstadoSalida::Otra) return Error(textos::NoEsFichero(o.salida), 2);
        if (s == EstadoSalida::Fichero && !o.forzar) return Error(textos::YaExiste(o.salida), 2);
    }

    std::string bytes;
    if (const int err = LeeEntrada(o.entrada, bytes); err != 0) return Error(textos::NoSeLee(o.entrada, err), 1);
    const Conversion c = Convierte({o.de, o.a, o.entrada}, bytes);
    Fallo fallo;
    if (c.estado == 0) fallo = EscribeSalida(o.salida, c.salida);
    if (c.leida) std::cerr << Informe(c, o.entrada, o.a);
    if (c.estado != 0) return Error(c.error, c.estado);
    if (fallo) return Error(textos::NoSeEscribe(o.salida, fallo.err, fallo.enCarpeta), 1);
    std::cerr << textos::Escrito(o.salida) << "\n";
    return 0;
}
