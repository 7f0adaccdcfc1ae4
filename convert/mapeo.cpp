#include "convert/mapeo.h"

#include "convert/hercios.h"
#include "convert/mensajes.h"
#include "convert/modos.h"

namespace vyr::conv {
namespace {

QString Q(std::string_view t) { return QString::fromUtf8(t.data(), qsizetype(t.size())); }

// "12.5" in a unit, as a listener reads it: "12,5".
std::optional<QString> Cantidad(const QString& texto, int potencia = 0) {
    const auto d = Decimal(texto.toStdString(), potencia);
    if (!d) return std::nullopt;
    return Q(ComaDecimal(*d));
}

std::optional<std::string> FrecuenciaChirp(QString t) {
    t = t.trimmed();
    int potencia = 6;
    if (t.endsWith("kHz", Qt::CaseInsensitive)) {
        potencia = 3;
        t.chop(3);
    } else if (t.endsWith("MHz", Qt::CaseInsensitive)) {
        t.chop(3);
    }
    return Decimal(t.toStdString(), potencia);
}

QStringList Etiquetas(const QString& t) {
    QStringList r;
    for (const QString& e : t.split(',')) {
        const QString s = e.trimmed();
        if (!s.isEmpty() && s != "Untagged") r << s;
    }
    return r;
}

QString AnchoBanda(const QString& hz) {
    if (hz.isEmpty()) return {};
    const auto d = Decimal(hz.toStdString());
    if (!d) return "BW " + hz;
    if (*d == "0") return {};
    return "BW " + Q(ComaDecimal(*Decimal(*d, -3))) + " kHz";
}

QString Duplex(const Fila& f) {
    const QString d = f.Valor("Duplex"), offset = f.Valor("Offset");
    const auto mhz = Cantidad(offset);
    if (d.isEmpty()) return {};
    if ((d == "+" || d == "-") && mhz) return "Desp. " + d + *mhz + " MHz";
    if (d == "split" && mhz) return "TX " + *mhz + " MHz";
    if (d == "off") return "Sin TX";
    return "Dúplex " + d + (offset.isEmpty() ? QString() : " " + offset);
}

QString Tono(const Fila& f) {
    QString t = f.Valor("Tone");
    const auto hz = [&](const char* campo) {
        const auto c = Cantidad(f.Valor(campo));
        return c ? *c + " Hz" : f.Valor(campo);
    };
    const auto dcs = [&]() {
        const QString pol = f.Valor("DtcsPolarity");
        return f.Valor("DtcsCode") + (pol.isEmpty() || pol == "NN" ? QString() : " " + pol);
    };
    if (t.isEmpty()) return {};
    if (t == "Tone") return "Tono " + hz("rToneFreq");
    if (t == "TSQL" || t == "TSQL-R") return t + " " + hz("cToneFreq");
    if (t == "DTCS") return "DCS " + dcs();
    if (t == "DTCS-R") return "DCS-R " + dcs();
    if (t == "Cross") return "Cross " + f.Valor("CrossMode");
    return t;
}

QString Persistencia(const QString& p) {
    if (p == "4") return "solo invierno";
    if (p == "5") return "solo verano";
    if (p == "8") return "inactiva";
    return {};
}

// "3108[0622]": valid until 31 August, last heard June 2022.
QString Periodo(const Fila& f) {
    QString fin = f.Valor("Stop");
    QString visto;
    if (const auto a = fin.indexOf('['); a >= 0 && fin.endsWith(']')) {
        const QString mmaa = fin.mid(a + 1, fin.size() - a - 2);
        visto = mmaa.size() == 4 ? "visto " + mmaa.left(2) + "/" + mmaa.mid(2) : "visto " + mmaa;
        fin = fin.left(a);
    }
    const QString inicio = f.Valor("Start");
    QString r = !inicio.isEmpty() && !fin.isEmpty() ? inicio + "-" + fin
                : !inicio.isEmpty()                 ? "desde " + inicio
                : !fin.isEmpty()                    ? "hasta " + fin
                                                    : QString();
    if (!visto.isEmpty()) r += (r.isEmpty() ? "" : " ") + visto;
    return r;
}

}  // namespace

Mapeado Mapea(Formato formato, const Fila& fila) {
    Mapeado m;
    Registro r;
    r.donde = fila.donde;
    bool conFrecuencia = false;
    for (const Regla& g : Tabla(formato)) {
        const QString v = fila.Valor(g.origen);
        QString texto;
        switch (g.forma) {
            case Forma::Hercios:
            case Forma::Kilohercios:
            case Forma::FrecuenciaChirp: {
                const auto hz = g.forma == Forma::FrecuenciaChirp ? FrecuenciaChirp(v)
                                                                   : Decimal(v.toStdString(), g.forma == Forma::Hercios ? 0 : 3);
                if (!hz) {
                    m.motivo = textos::NoEsNumero(v.toStdString());
                    return m;
                }
                if (!EnRango(*hz)) {
                    m.motivo = textos::FueraDeRango(*hz);
                    return m;
                }
                r.hercios = Redondea15(*hz);
                m.redondeado = r.hercios != *hz;
                conFrecuencia = true;
                continue;
            }
            case Forma::Texto: texto = v.isEmpty() ? v : Q(g.prefijo) + v; break;
            case Forma::ModoGqrx: texto = ModoVyr(kModosGqrx, v, false); break;
            case Forma::ModoSdrpp: texto = ModoVyr(kModosSdrpp, v, true); break;
            case Forma::ModoChirp: texto = ModoVyr(kModosChirp, v, true); break;
            case Forma::PrimeraEtiqueta: texto = Etiquetas(v).value(0); break;
            case Forma::OtrasEtiquetas: texto = Etiquetas(v).mid(1).join(", "); break;
            case Forma::Lista: texto = v == "General" ? QString() : v; break;
            case Forma::AnchoBanda: texto = AnchoBanda(v); break;
            case Forma::Duplex: texto = Duplex(fila); break;
            case Forma::Tono: texto = Tono(fila); break;
            case Forma::Persistencia: texto = Persistencia(v); break;
            case Forma::Periodo: texto = Periodo(fila); break;
            case Forma::Nada: continue;
        }
        switch (g.destino) {
            case Campo::Descripcion: r.descripcion = texto; break;
            case Campo::Servicio: r.servicio = texto; break;
            case Campo::Modo: r.modo = texto; break;
            case Campo::Fecha: r.fecha = texto; break;
            case Campo::Observaciones:
                if (!texto.isEmpty()) r.observaciones << texto;
                break;
            case Campo::Frecuencia:
            case Campo::Ninguno: break;
        }
    }
    if (!conFrecuencia) {
        m.motivo = textos::NoEsNumero("");
        return m;
    }
    m.registro = std::move(r);
    return m;
}

}  // namespace vyr::conv
