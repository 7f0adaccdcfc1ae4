#include "convert/mensajes.h"

#include <cstring>

namespace vyr::conv::textos {

const char* const kUso =
    "Uso: vyr-convertir [--de FORMATO] [--a FORMATO] [--forzar] ENTRADA SALIDA\n"
    "\n"
    "Convierte listas de frecuencias de otros programas al formato de línea de VYR\n"
    "(el de vyr.csv, que lee \"Recuperar datos\") y del formato de VYR a Gqrx y SDR++.\n"
    "\n"
    "Formatos: gqrx (marcadores de Gqrx), sdrpp (gestor de frecuencias de SDR++),\n"
    "chirp (CSV de CHIRP), eibi (horario de onda corta de EiBi), vyr (el nuestro).\n"
    "\n"
    "  --de FORMATO  formato de ENTRADA; sin él se reconoce por el contenido\n"
    "  --a FORMATO   formato de SALIDA: vyr (por omisión); gqrx o sdrpp desde vyr\n"
    "  --forzar      reemplaza SALIDA si ya existe\n"
    "  --ayuda       muestra este texto\n"
    "\n"
    "ENTRADA o SALIDA \"-\": la entrada o la salida estándar. El informe va a la\n"
    "salida de errores. SALIDA se escribe entera de una vez (fichero nuevo al lado,\n"
    "sincronizado y renombrado): una conversión interrumpida no deja medio fichero.\n"
    "Estado de salida: 0 si se escribieron líneas; 1 si la entrada no se pudo leer\n"
    "o reconocer, o no dio ninguna línea, o la salida no se pudo escribir (no se\n"
    "escribe nada); 2 si la orden está mal.\n";

const char* const kSinCabeceraChirp =
    "no tiene la cabecera de CHIRP (una línea que empieza por \"Location,\")";
const char* const kSinColumnaFrecuencia = "la cabecera de CHIRP no tiene la columna Frequency";
const char* const kComillasSinCerrar = "unas comillas no se cierran antes del final del fichero";
const char* const kNoEsObjeto = "no es un objeto JSON";
const char* const kNombreVacio = "un nombre de fichero está vacío; para la entrada o la salida estándar, use -";
const char* const kSinListas = "el JSON no tiene \"lists\" ni \"bookmarks\"";

std::string Linea(int n) { return "línea " + std::to_string(n); }

std::string Marcador(const std::string& lista, const std::string& nombre) {
    return (lista.empty() ? std::string() : "lista \"" + lista + "\", ") + "marcador \"" + nombre + "\"";
}

std::string Lista(const std::string& lista) { return "lista \"" + lista + "\""; }

std::string Campos(int tiene, int esperados) {
    return "tiene " + std::to_string(tiene) + (tiene == 1 ? " campo" : " campos") + ", se esperaban " +
           std::to_string(esperados);
}

std::string NoEsNumero(const std::string& texto) {
    if (texto.empty()) return "no tiene frecuencia";
    return "la frecuencia \"" + texto + "\" no es un número";
}

std::string FueraDeRango(const std::string& hercios) {
    return "la frecuencia " + hercios + " Hz está fuera del intervalo de 0,001 a 900.000.000 MHz";
}

std::string OpcionDesconocida(const std::string& opcion) { return "opción desconocida: " + opcion; }
std::string FaltaValor(const std::string& opcion) { return "falta el formato después de " + opcion; }

std::string FormatoDesconocido(const std::string& nombre) {
    return "formato desconocido: \"" + nombre + "\" (son gqrx, sdrpp, chirp, eibi y vyr)";
}

std::string Argumentos(int cuantos) {
    return "se esperaban ENTRADA y SALIDA, y hay " + std::to_string(cuantos) +
           (cuantos == 1 ? " nombre de fichero" : " nombres de fichero");
}

std::string NoAdmitida(std::string_view de, std::string_view a) {
    return "no se convierte de " + std::string(de) + " a " + std::string(a) +
           ": a gqrx y a sdrpp solo desde vyr. Convierta antes a vyr y luego de vyr a " + std::string(a) + ".";
}

std::string YaExiste(const std::string& salida) {
    return salida + " ya existe; no se ha tocado. Use --forzar para reemplazarlo.";
}

std::string NoEsFichero(const std::string& salida) {
    return salida + " no es un fichero normal (una carpeta, un dispositivo...); no se ha tocado. "
                    "Para la salida estándar, use -.";
}

std::string NoSeLee(const std::string& ruta, int err) {
    return "no se puede leer " + ruta + ": " + std::strerror(err);
}

std::string NoSeEscribe(const std::string& ruta, int err, bool carpeta) {
    return "no se puede escribir " + ruta + (carpeta ? " (en su carpeta)" : "") + ": " + std::strerror(err) +
           ". No se ha escrito nada.";
}

std::string JsonNoValido(const std::string& error, int posicion) {
    return "no es JSON válido (" + error + ", en el byte " + std::to_string(posicion) + ")";
}

std::string NoReconocido(const std::string& entrada, const std::string& probados) {
    return "no se reconoce el formato de " + entrada + ". Formatos probados: " + probados +
           ". Indíquelo con --de FORMATO.";
}

std::string Ambiguo(const std::string& entrada, const std::string& candidatos) {
    return "el formato de " + entrada + " es ambiguo: podría ser " + candidatos + ". Indíquelo con --de FORMATO.";
}

std::string NoSeLeeFormato(const std::string& entrada, std::string_view formato, const std::string& motivo) {
    return entrada + " no se puede leer como " + std::string(formato) + ": " + motivo + ". No se ha escrito nada.";
}

std::string SinLineas(const std::string& entrada) {
    return entrada + " no ha dado ninguna línea que escribir. No se ha escrito nada.";
}

std::string Escrito(const std::string& salida) {
    return salida == "-" ? "Escrito en la salida estándar." : "Escrito " + salida + ".";
}

}  // namespace vyr::conv::textos
