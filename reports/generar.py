#!/usr/bin/env python3
"""Writes the voucher, receipt, payment-order and purchase forms of this folder.

The forms share their layout by kind, so they are written from the functions below: change a
layout here and run `python3 reports/generar.py` from the top of the repository. Each form is
a report definition of the program's own format (see src/platform/report/ReportDefinition.h).
"""

import json
import os

CARPETA = os.path.dirname(os.path.abspath(__file__))
ANCHO = 190

NEGRITA = {"bold": True}


def texto(t, at, **opciones):
    item = {"text": t, "at": at}
    item.update(opciones)
    return item


def campo(f, at, **opciones):
    item = {"field": f, "at": at}
    item.update(opciones)
    return item


def linea(x1, y1, x2, y2, ancho=0.3):
    return {"line": [x1, y1, x2, y2], "width": ancho}


def caja(x, y, w, h, relleno=None, ancho=0.3):
    item = {"box": [x, y, w, h], "width": ancho}
    if relleno:
        item["fill"] = relleno
    return item


def imagen(at, f):
    return {"image": at, "field": f}


def derecha(item):
    item["align"] = "right"
    return item


def centro(item):
    item["align"] = "center"
    return item


def fuente(item, **f):
    item["font"] = f
    return item


def json_legible(valor, sangria=""):
    """JSON with every object or list that fits in 110 characters on one line."""
    corto = json.dumps(valor, ensure_ascii=False)
    if len(corto) + len(sangria) <= 110 or not isinstance(valor, (dict, list)):
        return corto
    interior = sangria + "  "
    if isinstance(valor, dict):
        partes = ["%s%s: %s" % (interior, json.dumps(k, ensure_ascii=False), json_legible(v, interior))
                  for k, v in valor.items()]
        return "{\n" + ",\n".join(partes) + "\n" + sangria + "}"
    partes = [interior + json_legible(v, interior) for v in valor]
    return "[\n" + ",\n".join(partes) + "\n" + sangria + "]"


def escribir(nombre, definicion, carpeta=CARPETA):
    os.makedirs(carpeta, exist_ok=True)
    with open(os.path.join(carpeta, nombre), "w", encoding="utf-8") as archivo:
        archivo.write(json_legible(definicion) + "\n")


def pie_de_pagina(titulo):
    return {
        "height": 6,
        "items": [
            linea(0, 1, ANCHO, 1, 0.2),
            fuente(texto("Impreso el {PrintDate}", [0, 1.5, 60, 4]), size=6.5),
            fuente(centro(texto(titulo, [60, 1.5, 70, 4])), size=6.5),
            fuente(derecha(texto("Página {PageNumber} de {TotalPages}", [130, 1.5, 60, 4])), size=6.5),
        ],
    }


def caja_letra(letra, codigo):
    items = [
        caja(88, 0, 14, 13, "#ffffff", 0.4),
        fuente(centro(texto(letra, [88, 0.5, 14, 9])), size=22, bold=True),
        linea(95, 13, 95, 38, 0.3),
    ]
    if codigo:
        items.append(fuente(centro(texto("COD. {CPTE.CodCpteAfip}", [86, 9, 18, 4])), size=6))
    else:
        items.append(fuente(derecha(texto("Documento no válido como factura", [58, 9, 29, 3.5])), size=5.5))
    return items


def encabezado_empresa(electronico):
    """The issuer's block: the formulas of the report printer, which for electronic vouchers
    carry the address line in Encabezado and the copy name in CodigoPostal."""
    items = [
        imagen([62, 2, 24, 10], "{QR.LOGO_EMPRESA}") if electronico else None,
        fuente(campo("{@NombreEmpresa}", [2, 2, 84, 8]), size=13, bold=True),
    ]
    if electronico:
        items += [
            fuente(campo("{@Encabezado}", [2, 12, 84, 4.5]), size=7.5),
            fuente(campo("{@Condicion IVA}", [2, 26, 84, 4.5]), size=7.5, bold=True),
        ]
    else:
        items += [
            fuente(campo("{@Direccion}", [2, 12, 84, 4.5]), size=7.5),
            fuente(texto("{@Localidad} ({@CodigoPostal})", [2, 16.5, 84, 4.5]), size=7.5),
            fuente(campo("{@Telefono}", [2, 21, 84, 4.5]), size=7.5),
            fuente(campo("{@Condicion IVA}", [2, 26, 84, 4.5]), size=7.5, bold=True),
        ]
    return [i for i in items if i]


def datos_comprobante(titulo, numero, fecha, electronico):
    copia = "{@CodigoPostal}" if electronico else "{@Encabezado}"
    items = [
        fuente(derecha(campo(copia, [150, 1, 38, 4.5])), size=8, bold=True),
        fuente(texto(titulo, [104, 5, 84, 7]), size=13, bold=True),
        fuente(texto("N° " + numero, [104, 12, 84, 5], format="@@@@-@@@@@@@@"), size=10, bold=True),
        fuente(texto("Fecha: " + fecha, [104, 17, 84, 4.5], format="date"), size=8),
        fuente(campo("{@CUIT}", [104, 22, 84, 4.5]), size=7.5),
    ]
    if electronico:
        items += [
            fuente(campo("{@Localidad}", [104, 26.5, 84, 4.5]), size=7.5),
            fuente(campo("{@Direccion}", [104, 31, 84, 4.5]), size=7.5),
        ]
    return items


def formulas_comunes(extra=()):
    nombres = ["NombreEmpresa", "Direccion", "Localidad", "CodigoPostal", "Telefono", "Condicion IVA", "CUIT",
               "Encabezado", "PieDePagina"] + list(extra)
    return {n: "" for n in nombres}


# Sales vouchers -----------------------------------------------------------------------------

TITULOS = {
    "FC": "FACTURA",
    "FCE": "FACTURA DE CRÉDITO ELECTRÓNICA MiPyME",
    "NC": "NOTA DE CRÉDITO",
    "ND": "NOTA DE DÉBITO",
    "FP": "PROFORMA",
    "NCFP": "NOTA DE CRÉDITO PROFORMA",
    "RM": "REMITO",
    "NP": "NOTA DE PEDIDO",
    "OT": "ORDEN DE TRABAJO",
    "PR": "PRESUPUESTO",
}


def columnas_venta(discrimina, precios):
    """(heading, value, x, width, right-aligned, format) of the lines of a sales voucher."""
    if not precios:
        return [("Código", "{AUX.COLUMNA1}", 1, 28, False, None), ("Descripción", "{AUX.COLUMNA2}", 30, 120, False, None),
                ("Unidad", "{AUX.COLUMNA3}", 151, 15, False, None), ("Cantidad", "{AUX.COLUMNA4}", 166, 23, True, None)]
    if discrimina:
        return [("Código", "{AUX.COLUMNA1}", 1, 22, False, None), ("Descripción", "{AUX.COLUMNA2}", 24, 68, False, None),
                ("Cantidad", "{AUX.COLUMNA4}", 93, 14, True, None),
                ("P. Unit. s/IVA", "{@UnitarioLinea}", 108, 20, True, "0.00##"),
                ("% Bonif.", "{AUX.COLUMNA10}", 129, 12, True, None), ("% IVA", "{@Alicuota}", 142, 12, True, None),
                ("Subtotal s/IVA", "{@NetoLinea}", 155, 34, True, "0.00")]
    return [("Código", "{AUX.COLUMNA1}", 1, 24, False, None), ("Descripción", "{AUX.COLUMNA2}", 26, 86, False, None),
            ("Cantidad", "{AUX.COLUMNA4}", 113, 15, True, None), ("P. Unitario", "{AUX.COLUMNA5}", 129, 20, True, None),
            ("% Bonif.", "{AUX.COLUMNA10}", 150, 12, True, None), ("Subtotal", "{AUX.COLUMNA6}", 163, 26, True, None)]


# The figures under the lines are the voucher's own: its net taxed and untaxed amounts, and its
# VAT, Importe less both, split by rate. Each taxed line's net is rounded once from its amount
# with VAT, which its bonus has already lowered; the last taxed line takes what those roundings
# leave between the lines and the voucher's net taxed amount (only a rounding: up to a cent a line),
# so the subtotals add up to it. The unit price is the one that gives the subtotal, before the bonus.
# Each rate's VAT is its lines' amounts with VAT less their nets; the last rate's line takes the
# rest of the voucher's VAT, so the lines add up to it. {T.} is the work row, {V.} the voucher.
CALCULOS_LINEA = {
    "Alicuota": "{T.COLUMNA17} + 0",
    "Gravada": "{T.TIPO} = 'IN' and {T.COLUMNA17} > 0",
    "NetoPropio": "Round({T.COLUMNA6} / (1 + {T.COLUMNA17} / 100), 2)",
}

CALCULOS_NETO = {
    "Ajuste": "{V.NetoGravado} - {#NetosPropios}",
    "Redondeo": "{@Ajuste} <= {#Gravadas} * 0.01 + 0.000001 and -{@Ajuste} <= {#Gravadas} * 0.01 + 0.000001",
    "NetoLinea": "IIf({@Gravada} and {#GravadasHasta} = {#Gravadas} and {@Redondeo}, "
                 "Round({@NetoPropio} + {@Ajuste}, 2), {@NetoPropio})",
    "UnitarioLinea": "IIf({T.COLUMNA4} * (100 - {T.COLUMNA10}) = 0, {T.COLUMNA7}, "
                     "{@NetoLinea} * 100 / ({T.COLUMNA4} * (100 - {T.COLUMNA10})))",
}

CALCULOS_IVA = {
    "IvaLinea": "IIf({@Gravada}, {T.COLUMNA6} - {@NetoPropio}, 0)",
    "IvaAlicuota": "Round(IIf({@Gravada} and {#GravadasHasta} = {#Gravadas}, {V.Importe} - {V.NetoGravado} - "
                   "{V.NetoNoGravado} - ({#IvaHasta} - {#Iva}), {#Iva}), 2)",
}


def con_alias(formulas, renglon, comprobante):
    return {k: v.replace("{T.", "{%s." % renglon).replace("{V.", "{%s." % comprobante) for k, v in formulas.items()}


def gravadas(**reinicio):
    """The voucher's taxed lines, counted all at once and so far."""
    cuenta = "IIf({@Gravada}, 1, 0)"
    return [dict(name="Gravadas", field=cuenta, whole=True, **reinicio),
            dict(name="GravadasHasta", field=cuenta, **reinicio)]


def sumas_neto():
    """The main report's: its other concepts count with the taxed lines, as the net printed beside them."""
    propios = "IIf({@Gravada}, {@NetoPropio}, IIf({AUX.TIPO} = 'OC', {AUX.COLUMNA7}, 0))"
    return [{"name": "NetosPropios", "field": propios, "whole": True, "reset": "Comprobante"}] + \
        gravadas(reset="Comprobante")


def renglones_de(alias):
    """The voucher's own work rows, as a sub-report reads them beside the main report's."""
    return [{"field": "{%s.%s}" % (alias, c), "main": "{AUX.%s}" % c}
            for c in ("TC", "IDCOMPROBANTE", "IDCOMPLEMENTO", "USUARIO")]


def subreportes_iva():
    """One line per VAT rate of the lines, each with its share of the voucher's VAT."""
    etiqueta = {"size": 8}
    calculos = dict(con_alias(CALCULOS_LINEA, "I", "IC"), **con_alias(CALCULOS_IVA, "I", "IC"))
    return [
        {"name": "Alicuotas",
         "tables": [{"table": "AUX_MV_CPTE", "alias": "I"},
                    {"table": "V_MV_CPTE", "alias": "IC", "join": "inner",
                     "on": [["{IC.TC}", "{I.TC}"], ["{IC.IdComprobante}", "{I.IDCOMPROBANTE}"],
                            ["{IC.IdComplemento}", "{I.IDCOMPLEMENTO}"]]}],
         "links": renglones_de("I"), "computed": calculos, "sort": ["+{I.COLUMNA17}"],
         "groups": [{"name": "Alicuota", "field": "{I.COLUMNA17}", "footer": {
             "height": 5, "suppress": "IsNull({I.COLUMNA17})", "items": [
                 fuente(texto("IVA {@Alicuota} %:", [2, 0.5, 30, 4.5]), **etiqueta),
                 fuente(derecha(texto("{@IvaAlicuota}", [32, 0.5, 36, 4.5], format="#,##0.00")), **etiqueta)]}}],
         "sums": [{"name": "Iva", "field": "{@IvaLinea}", "reset": "Alicuota"},
                  {"name": "IvaHasta", "field": "{@IvaLinea}"}] + gravadas()},
    ]


def nulo_o_distinto(tipo):
    return "IsNull({AUX.TIPO}) or {AUX.TIPO} <> '%s'" % tipo


def venta(tc, letra, electronico=False, con_qr=False):
    discrimina = letra == "A"
    precios = tc not in ("RM",)
    titulo = TITULOS[tc]
    tablas = [
        {"table": "V_MV_CPTE", "alias": "CPTE"},
        {"table": "AUX_MV_CPTE", "alias": "AUX", "join": "inner",
         "on": [["{AUX.TC}", "{CPTE.TC}"], ["{AUX.IDCOMPROBANTE}", "{CPTE.IdComprobante}"],
                ["{AUX.IDCOMPLEMENTO}", "{CPTE.IdComplemento}"]]},
    ]
    if electronico:
        tablas += [
            {"table": "V_MV_CPTE_ELECTRONICOS", "alias": "ELEC", "join": "left",
             "on": [["{ELEC.TC}", "{CPTE.TC}"], ["{ELEC.IDCOMPROBANTE}", "{CPTE.IdComprobante}"]]},
            {"table": "AUX_MV_CPTEQR", "alias": "QR", "join": "left",
             "on": [["{QR.TC}", "{CPTE.TC}"], ["{QR.IdComprobante}", "{CPTE.IdComprobante}"]]},
        ]
    columnas = columnas_venta(discrimina, precios)
    cabecera = [caja(0, 0, ANCHO, 38, None, 0.4)]
    cabecera += caja_letra(letra, letra in ("A", "B", "C", "E", "M"))
    cabecera += encabezado_empresa(electronico)
    cabecera += datos_comprobante(titulo, "{CPTE.IdComprobante}", "{CPTE.Fecha}", electronico)
    cabecera += [
        caja(0, 40, ANCHO, 13, None, 0.3),
        fuente(texto("Señor(es): {CPTE.Nombre}", [2, 41.5, 120, 5]), size=8.5, bold=True),
        fuente(texto("CUIT/DNI: {CPTE.documentonumero}", [124, 41.5, 64, 5]), size=8),
        fuente(texto("Condición de venta: {AUX.FormaDePago}", [2, 47, 186, 5]), size=7.5),
        caja(0, 55, ANCHO, 6, "#e6e6e6", 0.2),
    ]
    for encabezado, _, x, w, der, _ in columnas:
        item = fuente(texto(encabezado, [x, 55.5, w, 5]), size=7, bold=True)
        cabecera.append(derecha(item) if der else item)

    def celda(columna, x, w, der):
        item = campo("{AUX.%s}" % columna, [x, 0, w, 4.5])
        return derecha(item) if der else item

    def valor(plantilla, x, w, der, formato):
        item = texto(plantilla, [x, 0, w, 4.5], format=formato) if formato else campo(plantilla, [x, 0, w, 4.5])
        return derecha(item) if der else item

    detalle = [
        {"height": 4.5, "suppress": nulo_o_distinto("IN"),
         "items": [valor(v, x, w, d, f) for _, v, x, w, d, f in columnas]},
        {"height": 5, "suppress": nulo_o_distinto("M"),
         "items": [fuente(campo("{AUX.Seccion}", [1, 0.5, 188, 4.5]), size=8, bold=True)]},
        {"height": 2, "suppress": nulo_o_distinto("3"), "items": []},
        {"height": 4.5, "suppress": nulo_o_distinto("TA"),
         "items": [celda("COLUMNA1", 1, 24, False), celda("COLUMNA2", 26, 86, False),
                   celda("COLUMNA4", 113, 15, True), celda("COLUMNA5", 129, 20, True),
                   celda("COLUMNA6", 163, 26, True)]},
        {"height": 4.5, "suppress": nulo_o_distinto("OC"),
         "items": [celda("COLUMNA2", 26, 130, False), celda("COLUMNA6", 163, 26, True)]},
        {"height": 3.5, "suppress": "IsNull({AUX.TIPO}) or ({AUX.TIPO} <> 'XX' and {AUX.TIPO} <> 'ZZ')",
         "items": [fuente(campo("{AUX.Seccion}", [26, 0, 160, 3.5]), size=6.5, italic=True)]},
        # The footer observation: the row without kind that carries it, after the lines.
        {"height": 6, "suppress": "not (IsNull({AUX.TIPO}) or {AUX.TIPO} = '') or IsNull({AUX.PieDePagina}) "
                                  "or {AUX.PieDePagina} = ''",
         "items": [fuente(campo("{AUX.PieDePagina}", [1, 1.5, 188, 4.5]), size=7.5, italic=True)]},
    ]
    totales = [fuente(texto("Son: {AUX.IMPORTEENLETRAS}", [0, 1, 190, 5]), size=8, italic=True),
               fuente(campo("{AUX.Encabezado}", [0, 6.5, 118, 4.5], suppress="IsNull({AUX.Encabezado}) or "
                                                                         "{AUX.Encabezado} = '.'"), size=7.5),
               fuente(campo("{@PieDePagina}", [0, 11, 118, 4.5]), size=7.5)]
    final = []
    if precios:
        pesos = "IsNull({CPTE.Moneda}) or {CPTE.Moneda} = '' or {CPTE.Moneda} = '1'"
        cierre = [
            fuente(texto("TOTAL $", [122, 1, 30, 5.5], suppress="not (%s)" % pesos), size=10, bold=True),
            fuente(texto("TOTAL U$S", [122, 1, 30, 5.5], suppress=pesos), size=10, bold=True),
            fuente(derecha(campo("{CPTE.Importe}", [150, 1, 38, 5.5], format="money")), size=10, bold=True),
        ]
        if discrimina:
            final.append({"height": 7, "items": [
                linea(120, 1, ANCHO, 1, 0.3),
                fuente(texto("Neto gravado:", [122, 2.5, 30, 4.5]), size=8),
                fuente(derecha(campo("{CPTE.NetoGravado}", [152, 2.5, 36, 4.5], format="money")), size=8),
                {"subreport": "Alicuotas", "x": 120}]})
            cierre = [fuente(texto("No gravado:", [122, 0.5, 30, 4.5]), size=8),
                      fuente(derecha(campo("{CPTE.NetoNoGravado}", [152, 0.5, 36, 4.5], format="money")), size=8),
                      ] + [dict(i, at=[i["at"][0], i["at"][1] + 5, i["at"][2], i["at"][3]]) for i in cierre]
        final.append({"height": 12 if discrimina else 7, "items": cierre + [linea(120, 0.2, ANCHO, 0.2, 0.3)]})
    if electronico:
        if con_qr:
            totales.append(imagen([0, 13, 26, 26], "{QR.QR_AFIP}"))
        totales += [
            imagen([28 if con_qr else 0, 15, 32, 11], "{QR.IMG_AFIP}"),
            fuente(texto("Comprobante Autorizado", [28 if con_qr else 0, 27, 60, 4.5]), size=7, italic=True),
            fuente(texto("CAE N°: {ELEC.CAE}", [120, 15, 70, 5]), size=8.5, bold=True),
            fuente(texto("Fecha de emisión: {ELEC.Fecha_CPTE}", [120, 20.5, 70, 4.5], format="date"), size=8),
        ]
    definicion = {
        "title": "%s %s" % (titulo, letra),
        "page": {"size": "A4", "margins": [10, 10, 10, 8]},
        "font": {"family": "Arial", "size": 7.5},
        "tables": tablas,
        "sort": ["+{AUX.ID}"],
        "formulas": formulas_comunes(),
    }
    if discrimina and precios:
        definicion["computed"] = dict(con_alias(CALCULOS_LINEA, "AUX", "CPTE"),
                                      **con_alias(CALCULOS_NETO, "AUX", "CPTE"))
        # One voucher's lines at a time: a print of several vouchers nets each on its own.
        definicion["groups"] = [{"name": "Comprobante", "field": "{AUX.IDCOMPROBANTE}"}]
        definicion["sums"] = sumas_neto()
    definicion.update({
        "pageHeader": {"height": 63, "items": cabecera},
        "detail": detalle,
        "reportFooter": final,
        "pageFooter": [{"height": 41 if electronico else 16, "items": totales}, pie_de_pagina(titulo)],
    })
    if discrimina and precios:
        definicion["subreports"] = subreportes_iva()
    return definicion


# Receipts and payment orders -----------------------------------------------------------------

FORMULAS_RECIBO = ["Prm_ImporteCpte", "Prm_ImporteAplicado", "Prm_ImporteSaldo", "Prm_ImporteEnLetras",
                   "Prm_ImporteMP", "Prm_RetGanancias", "Prm_RetIVA", "Prm_RetIBrtos", "Prm_RetSUSS",
                   "Prm_DescuentosOtorgados", "Prm_Concepto"]


def recibo(titulo, contraparte, pago, subreporte=False):
    cabecera = [caja(0, 0, ANCHO, 38, None, 0.4)]
    cabecera += caja_letra("X", False)
    cabecera += encabezado_empresa(False)
    cabecera += datos_comprobante(titulo, "{AUX.IDCOMPROBANTE}", "{CPTE.Fecha}", False)
    cabecera += [
        caja(0, 40, ANCHO, 8, None, 0.3),
        fuente(texto(contraparte + " {CPTE.Nombre}", [2, 41.5, 186, 5]), size=8.5, bold=True),
        fuente(texto("Comprobantes cancelados", [0, 50, 92, 4.5]), size=8, bold=True),
        fuente(texto(pago, [93, 50, 97, 4.5]), size=8, bold=True),
        caja(0, 55, ANCHO, 6, "#e6e6e6", 0.2),
        linea(92, 55, 92, 61, 0.2),
    ]
    # A means of payment takes a second line for its bank or card member and its due date or
    # instalments, so every stored text prints whole at the size of the rest.
    columnas = [("Fecha", "COLUMNA1", 0.5, 15, False), ("Comprobante", "COLUMNA2", 15.5, 26, False),
                ("Importe", "COLUMNA9", 41.5, 16.5, True), ("Aplicado", "COLUMNA3", 58, 16.5, True),
                ("Saldo", "COLUMNA11", 74.5, 16.5, True), ("Medio / Banco o Socio", "COLUMNA4", 93, 50, False),
                ("Número / Vto. o Cuotas", "COLUMNA5", 143, 34, False), ("Importe", "COLUMNA8", 172, 17.5, True)]
    segunda = [("COLUMNA6", 96, 76), ("COLUMNA7", 172, 17.5)]
    for encabezado, _, x, w, der in columnas:
        item = fuente(texto(encabezado, [x, 55.5, w, 5]), size=7, bold=True)
        cabecera.append(derecha(item) if der else item)
    primera = {"height": 4, "items": [linea(92, 0, 92, 4, 0.1)]}
    for _, columna, x, w, der in columnas:
        item = fuente(campo("{AUX.%s}" % columna, [x, 0, w, 4]), size=7)
        primera["items"].append(derecha(item) if der else item)
    vacia = " and ".join("(IsNull({AUX.%s}) or {AUX.%s} = '')" % (c, c) for c, _, _ in segunda)
    detalle = [primera, {"height": 3.5, "suppress": vacia, "items": [linea(92, 0, 92, 3.5, 0.1)] + [
        derecha(fuente(campo("{AUX.%s}" % c, [x, 0, w, 3.5]), size=6.5)) if c == "COLUMNA7"
        else fuente(campo("{AUX.%s}" % c, [x, 0, w, 3.5]), size=6.5) for c, x, w in segunda]}]

    def total(etiqueta, formula, x, y, negrita=False):
        return [fuente(texto(etiqueta, [x, y, 30, 4.5]), size=7.5, bold=negrita),
                fuente(derecha(campo("{@%s}" % formula, [x + 30, y, 25, 4.5])), size=7.5, bold=negrita)]

    pie = [linea(0, 1, ANCHO, 1, 0.3)]
    pie += total("Total comprobantes", "Prm_ImporteCpte", 0, 2)
    pie += total("Total aplicado", "Prm_ImporteAplicado", 0, 6.5)
    pie += total("Saldo", "Prm_ImporteSaldo", 0, 11)
    pie += total("Ret. Ganancias", "Prm_RetGanancias", 65, 2)
    pie += total("Ret. IVA", "Prm_RetIVA", 65, 6.5)
    pie += total("Ret. Ingresos Brutos", "Prm_RetIBrtos", 65, 11)
    pie += total("Ret. SUSS", "Prm_RetSUSS", 130, 2)
    pie += total("Descuentos", "Prm_DescuentosOtorgados", 130, 6.5)
    pie += total("TOTAL $", "Prm_ImporteMP", 130, 11, True)
    pie += [
        fuente(texto("Son pesos: {@Prm_ImporteEnLetras}", [0, 17, 190, 5]), size=8, italic=True),
        fuente(texto("Concepto: {@Prm_Concepto}", [0, 22, 190, 4.5]), size=7.5),
        linea(130, 38, 188, 38, 0.2),
        fuente(centro(texto("Firma y aclaración", [130, 38.5, 58, 4])), size=7),
    ]
    if subreporte:
        pie.append({"subreport": "OPGSR", "x": 0})
    definicion = {
        "title": titulo,
        "page": {"size": "A4", "margins": [10, 10, 10, 8]},
        "font": {"family": "Arial", "size": 7.5},
        "tables": [
            {"table": "AUX_MV_CPTE", "alias": "AUX"},
            {"table": "V_MV_CPTE", "alias": "CPTE", "join": "left",
             "on": [["{CPTE.TC}", "{AUX.TC}"], ["{CPTE.IdComprobante}", "{AUX.IDCOMPROBANTE}"]]},
        ],
        "sort": ["+{AUX.ID}"],
        "formulas": formulas_comunes(FORMULAS_RECIBO),
        "pageHeader": {"height": 62, "items": cabecera},
        "detail": detalle,
        "reportFooter": {"height": 44 + (4 if subreporte else 0), "items": pie},
        "pageFooter": pie_de_pagina(titulo),
    }
    if subreporte:
        definicion["subreports"] = [{
            "name": "OPGSR",
            "tables": [{"table": "MV_APLICACION", "alias": "APL"}],
            "links": [{"field": "{APL.TC}", "main": "{AUX.TC}"},
                      {"field": "{APL.IdComprobante}", "main": "{AUX.IDCOMPROBANTE}"}],
            "sort": ["+{APL.IDCOMPROBANTE_ORIGEN}"],
            "reportHeader": {"height": 5, "items": [
                fuente(texto("Imputación del pago", [0, 0.5, 100, 4.5]), size=7.5, bold=True)]},
            "detail": {"height": 4, "items": [
                fuente(campo("{APL.TCO_ORIGEN}", [0, 0, 9, 4]), size=7),
                fuente(campo("{APL.IDCOMPROBANTE_ORIGEN}", [8, 0, 52, 4], format="@@@@-@@@@@@@@@"), size=7),
                fuente(derecha(campo("{APL.IMPORTE}", [60, 0, 30, 4], format="money")), size=7)]},
        }]
    return definicion


# Restaurant orders --------------------------------------------------------------------------

def comanda(titulo):
    """An order's lines for its kitchen, its bar or the consumption report, when printed as a form."""
    cabecera = [fuente(campo("{@NombreEmpresa}", [0, 0, 120, 7]), size=12, bold=True),
                fuente(texto(titulo, [120, 0, 70, 7]), size=12, bold=True),
                fuente(texto("N° {CPTE.IdComprobante}", [120, 7, 70, 5], format="@@@@-@@@@@@@@"), size=9),
                fuente(texto("Fecha: {CPTE.Fecha}", [120, 12, 70, 4.5], format="date"), size=8),
                fuente(texto("Cliente: {CPTE.Nombre}", [0, 12, 118, 4.5]), size=8),
                caja(0, 18, ANCHO, 5.5, "#e6e6e6", 0.2),
                fuente(texto("Artículo", [1, 18.5, 25, 4.5]), size=7, bold=True),
                fuente(texto("Descripción", [27, 18.5, 130, 4.5]), size=7, bold=True),
                fuente(derecha(texto("Cantidad", [160, 18.5, 29, 4.5])), size=7, bold=True)]
    return {
        "title": titulo,
        "page": {"size": "A4", "margins": [10, 10, 10, 8]},
        "font": {"family": "Arial", "size": 8},
        "tables": [{"table": "V_MV_CPTE", "alias": "CPTE"},
                   {"table": "V_MV_CPTEINSUMOS", "alias": "L", "join": "inner",
                    "on": [["{L.TC}", "{CPTE.TC}"], ["{L.IdComprobante}", "{CPTE.IdComprobante}"],
                           ["{L.IdComplemento}", "{CPTE.IdComplemento}"]]}],
        "sort": ["+{CPTE.IdComprobante}", "+{L.ID}"],
        "formulas": formulas_comunes(),
        "pageHeader": {"height": 25, "items": cabecera},
        "detail": {"height": 4.5, "items": [campo("{L.IdArticulo}", [1, 0, 25, 4.5]),
                                            campo("{L.Descripcion}", [27, 0, 130, 4.5]),
                                            derecha(campo("{L.Cantidad}", [160, 0, 29, 4.5]))]},
        "pageFooter": pie_de_pagina(titulo),
    }


# Purchases -----------------------------------------------------------------------------------

def compras():
    titulo = "COMPROBANTE DE COMPRA"
    cabecera = [caja(0, 0, ANCHO, 30, None, 0.4),
                fuente(campo("{@NombreEmpresa}", [2, 2, 90, 8]), size=13, bold=True),
                fuente(campo("{@CUIT}", [2, 12, 90, 4.5]), size=7.5),
                fuente(texto(titulo + " {CPTE.TC}", [100, 2, 88, 7]), size=12, bold=True),
                fuente(texto("N° {CPTE.IdComprobante}", [100, 10, 88, 5], format="@@@@-@@@@@@@@ @"), size=10),
                fuente(texto("Fecha: {CPTE.Fecha}", [100, 15, 88, 4.5], format="date"), size=8),
                fuente(texto("Proveedor: {CPTE.Nombre}", [2, 22, 130, 5]), size=8.5, bold=True),
                fuente(derecha(texto("Total $ {CPTE.Importe}", [130, 22, 58, 5], format="money")), size=9,
                       bold=True)]

    def sub(nombre, tabla, titulo_sub, items, filtro=None):
        definicion = {
            "name": nombre,
            "tables": [{"table": tabla, "alias": "S"}],
            "links": [{"field": "{S.TC}", "main": "{CPTE.TC}"},
                      {"field": "{S.IdComprobante}", "main": "{CPTE.IdComprobante}"}],
            "sort": ["+{S.ID}"],
            "reportHeader": {"height": 6, "items": [fuente(texto(titulo_sub, [0, 1, 120, 5]), size=8, bold=True)]},
            "detail": {"height": 4.5, "items": items},
        }
        if filtro:
            definicion["detail"]["suppress"] = filtro
        return definicion

    return {
        "title": titulo,
        "page": {"size": "A4", "margins": [10, 10, 10, 8]},
        "font": {"family": "Arial", "size": 7.5},
        "tables": [{"table": "C_MV_CPTE", "alias": "CPTE"}],
        "formulas": formulas_comunes(),
        "pageHeader": {"height": 32, "items": cabecera},
        "detail": {"height": 1, "items": [{"subreport": "RP_CPTESER", "x": 0}, {"subreport": "RP_CpteObs", "x": 0}]},
        "pageFooter": pie_de_pagina(titulo),
        "subreports": [
            sub("RP_CPTESER", "V_MV_CPTEINSUMOS", "Artículos, series y lotes",
                [campo("{S.IdArticulo}", [0, 0, 25, 4.5]), campo("{S.Descripcion}", [26, 0, 80, 4.5]),
                 derecha(campo("{S.Cantidad}", [107, 0, 15, 4.5])), campo("{S.Nro_Serie}", [124, 0, 33, 4.5]),
                 campo("{S.Nro_Lote}", [158, 0, 32, 4.5])]),
            sub("RP_CpteObs", "V_MV_CPTE_Observ", "Observaciones",
                [campo("{S.Observacion}", [0, 0, 190, 4.5])]),
        ],
    }


def principal():
    for tc, letras in [("FC", "ABC"), ("FCE", "AB"), ("NC", "ABC"), ("ND", "ABC"), ("FP", "X"), ("NCFP", "X"),
                       ("RM", "RX"), ("NP", "X"), ("OT", "X"), ("PR", "X")]:
        for letra in letras:
            escribir("%s-%s.rpt" % (tc, letra), venta(tc, letra))
    electronicos = os.path.join(CARPETA, "eFactura")
    for tc, letras in (("FC", "ABC"), ("FCE", "AB"), ("NC", "ABC"), ("ND", "ABC"), ("NCFP", "X")):
        for letra in letras:
            escribir("e%s-%s.RPT" % (tc, letra), venta(tc, letra, True, True), electronicos)
            escribir("e%s-%s_SINQR.RPT" % (tc, letra), venta(tc, letra, True, False), electronicos)
    for tc in ("CB", "CBCT", "CBFP"):
        escribir("%s.rpt" % tc, recibo("RECIBO", "Recibimos de:", "Valores recibidos"))
    escribir("LiqOPG.rpt", recibo("ORDEN DE PAGO", "Pagamos a:", "Valores entregados", True))
    escribir("OPG-X.rpt", recibo("ORDEN DE PAGO", "Pagamos a:", "Valores entregados", True))
    escribir("CpteCompras.rpt", compras())
    for nombre, titulo in (("ParteConsumoPE", "PARTE DE CONSUMO"), ("COMANDA", "COMANDA"),
                           ("COMANDA_COCINA", "COMANDA COCINA"), ("COMANDA_BAR", "COMANDA BARRA"),
                           ("COMANDA_BAR2", "COMANDA BARRA")):
        escribir("%s.rpt" % nombre, comanda(titulo))


if __name__ == "__main__":
    principal()
