<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="es">
<context>
    <name>Resumen</name>
    <message numerus="yes">
        <source>%n intento(s)</source>
        <translation>
            <numerusform>%n intento</numerusform>
            <numerusform>%n intentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n acierto(s)</source>
        <translation>
            <numerusform>%n acierto</numerusform>
            <numerusform>%n aciertos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n vez/veces</source>
        <translation>
            <numerusform>%n vez</numerusform>
            <numerusform>%n veces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Líneas que no se pudieron leer: %n</source>
        <translation>
            <numerusform>Líneas que no se pudieron leer: %n</numerusform>
            <numerusform>Líneas que no se pudieron leer: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>y %n más</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n saltado(s)</source>
        <translation>
            <numerusform>%n saltado</numerusform>
            <numerusform>%n saltados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sin respuesta</source>
        <translation>
            <numerusform>%n sin respuesta</numerusform>
            <numerusform>%n sin respuesta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n casi</source>
        <translation>
            <numerusform>%n casi</numerusform>
            <numerusform>%n casi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Trazalia</name>
    <message numerus="yes">
        <source>%1: %2 unidades a %3°</source>
        <translation>
            <numerusform>%1: %2 unidad a %3°</numerusform>
            <numerusform>%1: %2 unidades a %3°</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Escala: 1 cm = %1 unidades</source>
        <translation>
            <numerusform>Escala: 1 cm = %1 unidad</numerusform>
            <numerusform>Escala: 1 cm = %1 unidades</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message numerus="yes">
        <source>%n resultado(s) guardado(s) en este navegador</source>
        <translation>
            <numerusform>%n resultado guardado en este navegador</numerusform>
            <numerusform>%n resultados guardados en este navegador</numerusform>
        </translation>
    </message>
</context>
</TS>
