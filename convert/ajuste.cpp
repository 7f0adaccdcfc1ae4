#include "convert/ajuste.h"

#include <optional>

#include "convert/translitera.h"
#include "ui/cp1252.h"

namespace vyr::conv {
namespace {

constexpr const char* kSeparador = " \xB7 ";  // " · " in Windows-1252

bool Control(char32_t cp) { return cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0); }

// Every character with its own byte, or nothing.
std::optional<std::string> SoloCp1252(const QString& s) {
    std::string r;
    for (const char32_t cp : s.toUcs4()) {
        const unsigned char b = CodigoACp1252(cp);
        if (b == '?' && cp != '?') return std::nullopt;
        r += static_cast<char>(b);
    }
    return r;
}

void AnadeByte(std::string& r, char32_t cp, unsigned char b, RecuentoTexto& c) {
    if (Control(cp)) {
        r += ' ';
        ++c.sustituidos;
    } else if (cp == ';') {
        r += ',';
        ++c.sustituidos;
    } else {
        r += static_cast<char>(b);
    }
}

void AnadeBytes(std::string& r, const std::string& bytes, RecuentoTexto& c) {
    for (char b : bytes) AnadeByte(r, Cp1252ACodigo(static_cast<unsigned char>(b)), static_cast<unsigned char>(b), c);
}

// A run of characters the code page cannot hold: as a whole first (scripts
// read better in context), one by one if something is still left over.
void Translitera(std::string& r, const QList<uint>& tramo, RecuentoTexto& c) {
    const auto todo = QString::fromUcs4(reinterpret_cast<const char32_t*>(tramo.data()), tramo.size());
    if (const auto b = SoloCp1252(Latin(todo))) {
        AnadeBytes(r, *b, c);
        c.transliterados += int(tramo.size());
        return;
    }
    for (const uint cp : tramo) {
        const char32_t u = cp;
        if (const auto b = SoloCp1252(Latin(QString::fromUcs4(&u, 1)))) {
            AnadeBytes(r, *b, c);
            ++c.transliterados;
        } else {
            r += '?';
            ++c.sinEquivalente;
        }
    }
}

std::string Corta(std::string s, std::size_t ancho, int& cortados) {
    if (s.size() > ancho) {
        s.resize(ancho);
        ++cortados;
    }
    return s;
}

}  // namespace

std::string ACp1252(const QString& texto, RecuentoTexto& c) {
    std::string r;
    QList<uint> tramo;
    for (const uint cp : texto.normalized(QString::NormalizationForm_C).toUcs4()) {
        const unsigned char b = CodigoACp1252(cp);
        if (b == '?' && cp != '?' && !Control(cp)) {
            tramo.push_back(cp);
            continue;
        }
        if (!tramo.isEmpty()) {
            Translitera(r, tramo, c);
            tramo.clear();
        }
        AnadeByte(r, cp, b, c);
    }
    if (!tramo.isEmpty()) Translitera(r, tramo, c);
    return r;
}

RegDatos AjustaRegistro(const Registro& r, const QStringList& otrosNombres, Recuento& c) {
    RegDatos d;
    std::string obs;
    const auto parte = [&](const std::string& t) {
        if (t.empty()) return;
        if (!obs.empty()) obs += kSeparador;
        obs += t;
    };
    const std::string nombre = ACp1252(r.descripcion, c.texto);
    if (nombre.size() > FixedText<40>::Ancho) parte(nombre);
    d.Descripcion.Asigna(Corta(nombre, 40, c.cortados[0]));
    d.Servicio.Asigna(Corta(ACp1252(r.servicio, c.texto), 18, c.cortados[1]));
    d.Modo.Asigna(Corta(ACp1252(r.modo, c.texto), 6, c.cortados[2]));
    // The import puts back the leading zero of a five-character date: done
    // here, our line already holds what the store will hold.
    std::string fecha = QuitaEspaciosFinales(Corta(ACp1252(r.fecha, c.texto), 6, c.cortados[3]));
    if (fecha.size() == 5) fecha = "0" + fecha;
    d.Fecha.Asigna(fecha);
    for (const QString& o : r.observaciones) parte(ACp1252(o, c.texto));
    obs = Corta(std::move(obs), 230, c.cortados[4]);

    std::vector<std::string> puestos{nombre};
    bool lleno = false;
    for (const QString& n : otrosNombres) {
        RecuentoTexto rt;
        const std::string t = ACp1252(n, rt);
        if (t.empty() || std::find(puestos.begin(), puestos.end(), t) != puestos.end()) continue;
        puestos.push_back(t);
        const std::size_t tam = obs.empty() ? t.size() : obs.size() + 3 + t.size();
        if (lleno || tam > 230) {
            lleno = true;
            ++c.nombresSinSitio;
            continue;
        }
        if (!obs.empty()) obs += " / ";
        obs += t;
        c.texto += rt;
    }
    d.Observaciones.Asigna(obs);
    return d;
}

}  // namespace vyr::conv
