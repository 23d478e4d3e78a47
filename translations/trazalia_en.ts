<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="es">
<context>
    <name>Acciones</name>
    <message>
        <source>Copiar imagen</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Hoja de ejercicios…</source>
        <translation>Worksheet…</translation>
    </message>
    <message>
        <source>No se pudo guardar la imagen</source>
        <translation>The picture could not be saved</translation>
    </message>
    <message>
        <source>No se pudo imprimir</source>
        <translation>Could not print</translation>
    </message>
</context>
<context>
    <name>Aplicacion</name>
    <message>
        <source>Ayuda de Trazalia</source>
        <translation>Trazalia Help</translation>
    </message>
    <message>
        <source>No se pudo completar la acción</source>
        <translation>The action could not be completed</translation>
    </message>
    <message>
        <source>No se pudo guardar el veredicto</source>
        <translation>The verdict could not be saved</translation>
    </message>
</context>
<context>
    <name>Arrastre</name>
    <message>
        <source>Vector %1: magnitud %2, dirección %3°.</source>
        <translation>Vector %1: magnitude %2, direction %3°.</translation>
    </message>
</context>
<context>
    <name>Ayuda</name>
    <message>
        <source>Ayuda de Trazalia</source>
        <translation>Trazalia Help</translation>
    </message>
    <message>
        <source>Guía de Trazalia</source>
        <translation>Trazalia guide</translation>
    </message>
    <message>
        <source>Acerca de Trazalia</source>
        <translation>About Trazalia</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Trazalia %1&lt;/h3&gt;&lt;p&gt;Suma de vectores en el plano por los métodos del paralelogramo y del polígono.&lt;/p&gt;&lt;p&gt;Licencia: GNU GPL, versión 3 o posterior (GPL-3.0-or-later).&lt;/p&gt;&lt;p&gt;Créditos: Equipo Trazalia. Hecho con Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Trazalia %1&lt;/h3&gt;&lt;p&gt;Vector addition in the plane by the parallelogram and polygon methods.&lt;/p&gt;&lt;p&gt;Licence: GNU GPL, version 3 or later (GPL-3.0-or-later).&lt;/p&gt;&lt;p&gt;Credits: Trazalia Team. Made with Qt %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>De %1 a %2</source>
        <translation>From %1 to %2</translation>
    </message>
    <message>
        <source>%1: valor exacto</source>
        <translation>%1: exact value</translation>
    </message>
</context>
<context>
    <name>Exportar</name>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Imagen SVG (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Registro CSV (*.csv)</source>
        <translation>CSV record (*.csv)</translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Emblema de Trazalia</source>
        <translation>Trazalia emblem</translation>
    </message>
    <message>
        <source>Dos vectores y su resultante, sumados por el método del paralelogramo.</source>
        <translation>Two vectors and their resultant, added by the parallelogram method.</translation>
    </message>
    <message>
        <source>Escuela de Ciencias
Departamento de Física</source>
        <translation>School of Science
Department of Physics</translation>
    </message>
    <message>
        <source>Escuela de Ciencias, Departamento de Física</source>
        <translation>School of Science, Department of Physics</translation>
    </message>
    <message>
        <source>La escuela y el departamento que presentan Trazalia</source>
        <translation>The school and the department that present Trazalia</translation>
    </message>
    <message>
        <source>Trazalia</source>
        <translation>Trazalia</translation>
    </message>
    <message>
        <source>El nombre del programa: suma de vectores en el plano</source>
        <translation>The name of the program: vector addition in the plane</translation>
    </message>
    <message>
        <source>Equipo Trazalia</source>
        <translation>Trazalia Team</translation>
    </message>
    <message>
        <source>Los autores del programa</source>
        <translation>The authors of the program</translation>
    </message>
    <message>
        <source>Paralelogramo</source>
        <translation>Parallelogram</translation>
    </message>
    <message>
        <source>Método del paralelogramo</source>
        <translation>Parallelogram method</translation>
    </message>
    <message>
        <source>Abre la ventana del método del paralelogramo: dos vectores.</source>
        <translation>Opens the parallelogram method window: two vectors.</translation>
    </message>
    <message>
        <source>Polígono</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>Método del polígono</source>
        <translation>Polygon method</translation>
    </message>
    <message>
        <source>Abre la ventana del método del polígono: tres vectores.</source>
        <translation>Opens the polygon method window: three vectors.</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Salir de Trazalia</source>
        <translation>Quit Trazalia</translation>
    </message>
    <message>
        <source>Cierra el programa.</source>
        <translation>Closes the program.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Diagrama del paralelogramo</source>
        <translation>Parallelogram diagram</translation>
    </message>
    <message>
        <source>Los vectores a escala desde el origen; «Graficar Paralelogramo» añade la figura y la resultante en negro. Botón derecho: copiar o guardar la imagen</source>
        <translation>The vectors to scale from the origin; “Draw Parallelogram” adds the figure and the resultant in black. Right button: copy or save the picture</translation>
    </message>
    <message>
        <source>Magnitud del vector 1</source>
        <translation>Magnitude of vector 1</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector 1 (rojo): de 0 a 100</source>
        <translation>Magnitude of vector 1 (red): from 0 to 100</translation>
    </message>
    <message>
        <source>Magnitud del vector 2</source>
        <translation>Magnitude of vector 2</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector 2 (azul): de 0 a 100</source>
        <translation>Magnitude of vector 2 (blue): from 0 to 100</translation>
    </message>
    <message>
        <source>Dirección del vector 1 (grados)</source>
        <translation>Direction of vector 1 (degrees)</translation>
    </message>
    <message>
        <source>Dirección del vector 1 (rojo): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direction of vector 1 (red): from 0° to 360°, the angle with the positive x semi-axis, counterclockwise</translation>
    </message>
    <message>
        <source>Dirección del vector 2 (grados)</source>
        <translation>Direction of vector 2 (degrees)</translation>
    </message>
    <message>
        <source>Dirección del vector 2 (azul): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direction of vector 2 (blue): from 0° to 360°, the angle with the positive x semi-axis, counterclockwise</translation>
    </message>
    <message>
        <source>r: magnitud del vector 1</source>
        <translation>r: magnitude of vector 1</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector 1</source>
        <translation>Label of the magnitude of vector 1</translation>
    </message>
    <message>
        <source>α: dirección del vector 1</source>
        <translation>α: direction of vector 1</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector 1</source>
        <translation>Label of the direction of vector 1</translation>
    </message>
    <message>
        <source>r: magnitud del vector 2</source>
        <translation>r: magnitude of vector 2</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector 2</source>
        <translation>Label of the magnitude of vector 2</translation>
    </message>
    <message>
        <source>α: dirección del vector 2</source>
        <translation>α: direction of vector 2</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector 2</source>
        <translation>Label of the direction of vector 2</translation>
    </message>
    <message>
        <source>Valor del módulo del vector 1, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Value of the magnitude of vector 1, from 0 to 100. Double-click to type it</translation>
    </message>
    <message>
        <source>Valor del módulo del vector 2, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Value of the magnitude of vector 2, from 0 to 100. Double-click to type it</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector 1, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Value of the direction of vector 1, from 0° to 360°. Double-click to type it</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector 2, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Value of the direction of vector 2, from 0° to 360°. Double-click to type it</translation>
    </message>
    <message>
        <source>r: magnitud de la resultante</source>
        <translation>r: magnitude of the resultant</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud de la resultante</source>
        <translation>Label of the magnitude of the resultant</translation>
    </message>
    <message>
        <source>Magnitud de la resultante</source>
        <translation>Magnitude of the resultant</translation>
    </message>
    <message>
        <source>Módulo de la resultante, de 0 a 200, tras «Graficar Paralelogramo»</source>
        <translation>Magnitude of the resultant, from 0 to 200, after “Draw Parallelogram”</translation>
    </message>
    <message>
        <source>α: dirección de la resultante</source>
        <translation>α: direction of the resultant</translation>
    </message>
    <message>
        <source>Rótulo de la dirección de la resultante</source>
        <translation>Label of the direction of the resultant</translation>
    </message>
    <message>
        <source>Dirección de la resultante (grados)</source>
        <translation>Direction of the resultant (degrees)</translation>
    </message>
    <message>
        <source>Dirección de la resultante: de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario; «Indefinido» si la resultante es nula</source>
        <translation>Direction of the resultant: from 0° to 360°, the angle with the positive x semi-axis, counterclockwise; “Undefined” if the resultant is zero</translation>
    </message>
    <message>
        <source>Graficar Paralelogramo</source>
        <translation>Draw Parallelogram</translation>
    </message>
    <message>
        <source>Completa el paralelogramo, dibuja la resultante en negro y muestra su magnitud y su dirección.</source>
        <translation>Completes the parallelogram, draws the resultant in black and shows its magnitude and its direction.</translation>
    </message>
    <message>
        <source>Regresar</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Regresar al inicio</source>
        <translation>Back to the start</translation>
    </message>
    <message>
        <source>Vuelve a la ventana de inicio; esta ventana conserva sus valores.</source>
        <translation>Returns to the start window; this window keeps its values.</translation>
    </message>
    <message>
        <source>Método del Paralelogramo.</source>
        <translation>Parallelogram Method.</translation>
    </message>
    <message>
        <source>De la construcción anterior: pulse «Graficar Paralelogramo»</source>
        <translation>From the previous construction: press “Draw Parallelogram”</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Diagrama del polígono</source>
        <translation>Polygon diagram</translation>
    </message>
    <message>
        <source>Los vectores a escala desde el origen; la barra de pasos los pone punta con cola y dibuja la resultante en negro. Botón derecho: copiar o guardar la imagen</source>
        <translation>The vectors to scale from the origin; the step bar places them tip to tail and draws the resultant in black. Right button: copy or save the picture</translation>
    </message>
    <message>
        <source>Magnitud del vector 1</source>
        <translation>Magnitude of vector 1</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector 1 (rojo): de 0 a 100</source>
        <translation>Magnitude of vector 1 (red): from 0 to 100</translation>
    </message>
    <message>
        <source>Magnitud del vector 2</source>
        <translation>Magnitude of vector 2</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector 2 (azul): de 0 a 100</source>
        <translation>Magnitude of vector 2 (blue): from 0 to 100</translation>
    </message>
    <message>
        <source>Magnitud del vector 3</source>
        <translation>Magnitude of vector 3</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector 3 (verde): de 0 a 100</source>
        <translation>Magnitude of vector 3 (green): from 0 to 100</translation>
    </message>
    <message>
        <source>Dirección del vector 1 (grados)</source>
        <translation>Direction of vector 1 (degrees)</translation>
    </message>
    <message>
        <source>Dirección del vector 1 (rojo): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direction of vector 1 (red): from 0° to 360°, the angle with the positive x semi-axis, counterclockwise</translation>
    </message>
    <message>
        <source>Dirección del vector 2 (grados)</source>
        <translation>Direction of vector 2 (degrees)</translation>
    </message>
    <message>
        <source>Dirección del vector 2 (azul): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direction of vector 2 (blue): from 0° to 360°, the angle with the positive x semi-axis, counterclockwise</translation>
    </message>
    <message>
        <source>Dirección del vector 3 (grados)</source>
        <translation>Direction of vector 3 (degrees)</translation>
    </message>
    <message>
        <source>Dirección del vector 3 (verde): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direction of vector 3 (green): from 0° to 360°, the angle with the positive x semi-axis, counterclockwise</translation>
    </message>
    <message>
        <source>Paso de la construcción</source>
        <translation>Step of the construction</translation>
    </message>
    <message>
        <source>Paso de la construcción, de 1 a 7: en los pasos 1 a 6, los tres vectores punta con cola en uno de los seis órdenes; en el paso 7, los seis órdenes a la vez</source>
        <translation>Step of the construction, from 1 to 7: in steps 1 to 6, the three vectors tip to tail in one of the six orders; in step 7, the six orders at once</translation>
    </message>
    <message>
        <source>r: magnitud del vector 1</source>
        <translation>r: magnitude of vector 1</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector 1</source>
        <translation>Label of the magnitude of vector 1</translation>
    </message>
    <message>
        <source>r: magnitud del vector 2</source>
        <translation>r: magnitude of vector 2</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector 2</source>
        <translation>Label of the magnitude of vector 2</translation>
    </message>
    <message>
        <source>r: magnitud del vector 3</source>
        <translation>r: magnitude of vector 3</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector 3</source>
        <translation>Label of the magnitude of vector 3</translation>
    </message>
    <message>
        <source>Valor del módulo del vector 1, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Value of the magnitude of vector 1, from 0 to 100. Double-click to type it</translation>
    </message>
    <message>
        <source>Valor del módulo del vector 2, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Value of the magnitude of vector 2, from 0 to 100. Double-click to type it</translation>
    </message>
    <message>
        <source>Valor del módulo del vector 3, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Value of the magnitude of vector 3, from 0 to 100. Double-click to type it</translation>
    </message>
    <message>
        <source>α: dirección del vector 1</source>
        <translation>α: direction of vector 1</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector 1</source>
        <translation>Label of the direction of vector 1</translation>
    </message>
    <message>
        <source>α: dirección del vector 2</source>
        <translation>α: direction of vector 2</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector 2</source>
        <translation>Label of the direction of vector 2</translation>
    </message>
    <message>
        <source>α: dirección del vector 3</source>
        <translation>α: direction of vector 3</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector 3</source>
        <translation>Label of the direction of vector 3</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector 1, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Value of the direction of vector 1, from 0° to 360°. Double-click to type it</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector 2, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Value of the direction of vector 2, from 0° to 360°. Double-click to type it</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector 3, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Value of the direction of vector 3, from 0° to 360°. Double-click to type it</translation>
    </message>
    <message>
        <source>r: magnitud de la resultante</source>
        <translation>r: magnitude of the resultant</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud de la resultante</source>
        <translation>Label of the magnitude of the resultant</translation>
    </message>
    <message>
        <source>Magnitud de la resultante</source>
        <translation>Magnitude of the resultant</translation>
    </message>
    <message>
        <source>Módulo de la resultante, de 0 a 300, al dibujar un paso</source>
        <translation>Magnitude of the resultant, from 0 to 300, when a step is drawn</translation>
    </message>
    <message>
        <source>α: dirección de la resultante</source>
        <translation>α: direction of the resultant</translation>
    </message>
    <message>
        <source>Rótulo de la dirección de la resultante</source>
        <translation>Label of the direction of the resultant</translation>
    </message>
    <message>
        <source>Dirección de la resultante (grados)</source>
        <translation>Direction of the resultant (degrees)</translation>
    </message>
    <message>
        <source>Dirección de la resultante: de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario; «Indefinido» si la resultante es nula</source>
        <translation>Direction of the resultant: from 0° to 360°, the angle with the positive x semi-axis, counterclockwise; “Undefined” if the resultant is zero</translation>
    </message>
    <message>
        <source>Graficar Polígono</source>
        <translation>Draw Polygon</translation>
    </message>
    <message>
        <source>Rótulo de la barra de pasos, que construye el polígono</source>
        <translation>Label of the step bar, which builds the polygon</translation>
    </message>
    <message>
        <source>Paso que muestra el dibujo, de 1 a 7. Doble clic para escribirlo</source>
        <translation>Step the picture shows, from 1 to 7. Double-click to type it</translation>
    </message>
    <message>
        <source>Regresar</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Regresar al inicio</source>
        <translation>Back to the start</translation>
    </message>
    <message>
        <source>Vuelve a la ventana de inicio; esta ventana conserva sus valores.</source>
        <translation>Returns to the start window; this window keeps its values.</translation>
    </message>
    <message>
        <source>Método del Polígono.</source>
        <translation>Polygon Method.</translation>
    </message>
    <message>
        <source>Paso 7 de 7: los seis órdenes a la vez</source>
        <translation>Step 7 of 7: all six orders at once</translation>
    </message>
    <message>
        <source>Paso %1 de 7: vectores %2, %3 y %4</source>
        <translation>Step %1 of 7: vectors %2, %3 and %4</translation>
    </message>
    <message>
        <source>De la construcción anterior: mueva la barra «Graficar Polígono»</source>
        <translation>From the previous construction: move the “Draw Polygon” bar</translation>
    </message>
</context>
<context>
    <name>Hoja</name>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>no se pudo generar la hoja</source>
        <translation>the worksheet could not be made</translation>
    </message>
    <message>
        <source>Los dos</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>Paralelogramo</source>
        <translation>Parallelogram</translation>
    </message>
    <message>
        <source>Polígono</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>Carta</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>con los vectores dibujados</source>
        <translation>with the vectors drawn</translation>
    </message>
    <message>
        <source>&amp;Ejercicios:</source>
        <translation>&amp;Exercises:</translation>
    </message>
    <message>
        <source>&amp;Método:</source>
        <translation>&amp;Method:</translation>
    </message>
    <message>
        <source>&amp;Nivel:</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <source>&amp;Semilla:</source>
        <translation>&amp;Seed:</translation>
    </message>
    <message>
        <source>&amp;Título:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>&amp;Papel:</source>
        <translation>&amp;Paper:</translation>
    </message>
    <message>
        <source>&amp;Guardar PDF…</source>
        <translation>&amp;Save PDF…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Vista previa de la hoja</source>
        <translation>Preview of the worksheet</translation>
    </message>
    <message>
        <source>No se pudo guardar la hoja</source>
        <translation>The worksheet could not be saved</translation>
    </message>
    <message>
        <source>No se pudo imprimir</source>
        <translation>Could not print</translation>
    </message>
    <message>
        <source>La impresora no aceptó la hoja.</source>
        <translation>The printer did not accept the worksheet.</translation>
    </message>
</context>
<context>
    <name>Impresion</name>
    <message>
        <source>La página es demasiado pequeña para el dibujo.</source>
        <translation>The page is too small for the picture.</translation>
    </message>
    <message>
        <source>La impresora no aceptó el dibujo.</source>
        <translation>The printer did not accept the picture.</translation>
    </message>
</context>
<context>
    <name>Practica</name>
    <message>
        <source>Practicar</source>
        <translation>Practise</translation>
    </message>
    <message>
        <source>Otro ejercicio</source>
        <translation>Another exercise</translation>
    </message>
    <message>
        <source>Nivel</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Nombre…</source>
        <translation>Name…</translation>
    </message>
    <message>
        <source>Guardar resultados…</source>
        <translation>Save results…</translation>
    </message>
    <message>
        <source>Módulo de tu resultante</source>
        <translation>Magnitude of your resultant</translation>
    </message>
    <message>
        <source>Dirección de tu resultante</source>
        <translation>Direction of your resultant</translation>
    </message>
    <message>
        <source>Un número mayor que 0, con punto: 87.5</source>
        <translation>A number greater than 0, with a point: 87.5</translation>
    </message>
    <message>
        <source>De 0 a 360, con punto: 36.6</source>
        <translation>From 0 to 360, with a point: 36.6</translation>
    </message>
    <message>
        <source>no se puede leer «%1»: %2</source>
        <translation>cannot read “%1”: %2</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Nombre del alumno, para el registro de resultados:</source>
        <translation>Student&apos;s name, for the record of results:</translation>
    </message>
    <message>
        <source>No hay resultados</source>
        <translation>No results</translation>
    </message>
    <message>
        <source>Todavía no se ha registrado ningún veredicto.</source>
        <translation>No verdict has been recorded yet.</translation>
    </message>
    <message>
        <source>No se pudieron guardar los resultados</source>
        <translation>The results could not be saved</translation>
    </message>
</context>
<context>
    <name>Resumen</name>
    <message>
        <source>Intentos: %1; aciertos: %2 (%3 %).</source>
        <translation>Attempts: %1; right answers: %2 (%3 %).</translation>
    </message>
    <message>
        <source>Por alumno:</source>
        <translation>By student:</translation>
    </message>
    <message>
        <source>(sin nombre)</source>
        <translation>(no name)</translation>
    </message>
    <message numerus="yes">
        <source>%n intento(s)</source>
        <translation>
            <numerusform>%n attempt</numerusform>
            <numerusform>%n attempts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n acierto(s)</source>
        <translation>
            <numerusform>%n right answer</numerusform>
            <numerusform>%n right answers</numerusform>
        </translation>
    </message>
    <message>
        <source>Errores de la clase:</source>
        <translation>Mistakes of the class:</translation>
    </message>
    <message>
        <source>%1: %2 (%3 % de los intentos)</source>
        <translation>%1: %2 (%3 % of the attempts)</translation>
    </message>
    <message numerus="yes">
        <source>Líneas que no se pudieron leer: %n</source>
        <translation>
            <numerusform>Line that could not be read: %n</numerusform>
            <numerusform>Lines that could not be read: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Trazalia</name>
    <message>
        <source>Indefinido</source>
        <translation>Undefined</translation>
    </message>
    <message>
        <source>Fácil</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Medio</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Difícil</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>¡Correcto! Tu resultante es la suma de los vectores.</source>
        <translation>Correct! Your resultant is the sum of the vectors.</translation>
    </message>
    <message>
        <source>Sumaste los módulos: eso solo vale para vectores con la misma dirección; suma sus componentes x e y por separado.</source>
        <translation>You added the magnitudes: that only works for vectors with the same direction; add their x and y components separately.</translation>
    </message>
    <message>
        <source>Restaste los módulos: eso solo vale para vectores de sentidos opuestos; suma sus componentes x e y por separado.</source>
        <translation>You subtracted the magnitudes: that only works for vectors pointing opposite ways; add their x and y components separately.</translation>
    </message>
    <message>
        <source>Tu resultante apunta al revés: va desde el origen hasta el final de la construcción.</source>
        <translation>Your resultant points the wrong way: it goes from the origin to the end of the construction.</translation>
    </message>
    <message>
        <source>Restaste un vector en lugar de sumarlo: cada vector conserva su sentido, y la resultante sale del origen, no une las puntas de los vectores.</source>
        <translation>You subtracted a vector instead of adding it: each vector keeps its sense, and the resultant starts at the origin; it does not join the vectors’ tips.</translation>
    </message>
    <message>
        <source>Mediste el ángulo desde el eje y: la dirección se mide desde el semieje x positivo.</source>
        <translation>You measured the angle from the y axis: the direction is measured from the positive x semi-axis.</translation>
    </message>
    <message>
        <source>Mediste el ángulo en el sentido de las agujas del reloj: la dirección se mide desde el semieje x positivo, en sentido antihorario.</source>
        <translation>You measured the angle clockwise: the direction is measured from the positive x semi-axis, counterclockwise.</translation>
    </message>
    <message>
        <source>Promediaste las direcciones: la dirección de la resultante sale de sus componentes Rx y Ry, según el cuadrante.</source>
        <translation>You averaged the directions: the direction of the resultant comes from its components Rx and Ry, according to the quadrant.</translation>
    </message>
    <message>
        <source>Te faltó un vector: la resultante suma los tres, cada uno a continuación del anterior.</source>
        <translation>You left out a vector: the resultant adds all three, each one after the one before.</translation>
    </message>
    <message>
        <source>Sumaste las componentes sin su signo: una componente hacia la izquierda o hacia abajo es negativa y resta.</source>
        <translation>You added the components without their signs: a component to the left or downwards is negative and subtracts.</translation>
    </message>
    <message>
        <source>Tu resultante no coincide: suma las componentes x e y de los vectores, y de ellas saca el módulo y la dirección desde el semieje x positivo.</source>
        <translation>Your resultant does not match: add the vectors’ x and y components, and from them find the magnitude and the direction from the positive x semi-axis.</translation>
    </message>
    <message>
        <source>Paso 7 de 7: los seis órdenes a la vez. </source>
        <translation>Step 7 of 7: all six orders at once. </translation>
    </message>
    <message>
        <source>Paso %1 de 7: los vectores %2, punta con cola. </source>
        <translation>Step %1 of 7: vectors %2, tip to tail. </translation>
    </message>
    <message>
        <source>Vector %1: %2 a %3°. </source>
        <translation>Vector %1: %2 at %3°. </translation>
    </message>
    <message>
        <source>Resultante: %1 a %2°. </source>
        <translation>Resultant: %1 at %2°. </translation>
    </message>
    <message>
        <source>Resultante: %1, sin dirección definida. </source>
        <translation>Resultant: %1, no defined direction. </translation>
    </message>
    <message>
        <source>Con rótulos. </source>
        <translation>With labels. </translation>
    </message>
    <message>
        <source>Componentes: %1. </source>
        <translation>Components: %1. </translation>
    </message>
    <message>
        <source>Ecuación: %1. </source>
        <translation>Equation: %1. </translation>
    </message>
    <message>
        <source>Con cuadrícula. </source>
        <translation>With grid. </translation>
    </message>
    <message>
        <source>Escala %1.</source>
        <translation>Scale %1.</translation>
    </message>
    <message>
        <source>Paso %1. </source>
        <translation>Step %1. </translation>
    </message>
    <message>
        <source>Resultante: magnitud %1</source>
        <translation>Resultant: magnitude %1</translation>
    </message>
    <message>
        <source>, dirección %1°.</source>
        <translation>, direction %1°.</translation>
    </message>
    <message>
        <source>, dirección indefinida.</source>
        <translation>, undefined direction.</translation>
    </message>
    <message>
        <source>Método del paralelogramo</source>
        <translation>Parallelogram method</translation>
    </message>
    <message>
        <source>Método del polígono</source>
        <translation>Polygon method</translation>
    </message>
    <message>
        <source>Dibuje A y B desde el origen, complete el paralelogramo y trace su diagonal R.</source>
        <translation>Draw A and B from the origin, complete the parallelogram and draw its diagonal R.</translation>
    </message>
    <message>
        <source>Ponga A, B y C punta con cola, en ese orden, y trace R desde el origen hasta la última punta.</source>
        <translation>Place A, B and C tip to tail, in that order, and draw R from the origin to the last tip.</translation>
    </message>
    <message>
        <source>El paralelogramo de A y B; su diagonal es R = A + B.</source>
        <translation>The parallelogram of A and B; its diagonal is R = A + B.</translation>
    </message>
    <message>
        <source>A, B y C punta con cola; R = A + B + C.</source>
        <translation>A, B and C tip to tail; R = A + B + C.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 unidades a %3°</source>
        <translation>
            <numerusform>%1: %2 unit at %3°</numerusform>
            <numerusform>%1: %2 units at %3°</numerusform>
        </translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Fecha:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Nivel %1 · semilla %2</source>
        <translation>Level %1 · seed %2</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Ejercicio %1. %2</source>
        <translation>Exercise %1. %2</translation>
    </message>
    <message numerus="yes">
        <source>Escala: 1 cm = %1 unidades</source>
        <translation>
            <numerusform>Scale: 1 cm = %1 unit</numerusform>
            <numerusform>Scale: 1 cm = %1 units</numerusform>
        </translation>
    </message>
    <message>
        <source>Suma de vectores</source>
        <translation>Vector addition</translation>
    </message>
    <message>
        <source>Tu resultante: %1 a %2°.</source>
        <translation>Your resultant: %1 at %2°.</translation>
    </message>
    <message>
        <source>La correcta: %1 a %2°.</source>
        <translation>The right one: %1 at %2°.</translation>
    </message>
    <message>
        <source>La correcta: %1, sin dirección (%2).</source>
        <translation>The right one: %1, no direction (%2).</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>no existe</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>permiso denegado</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>el sistema de archivos es de solo lectura</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>no queda espacio en el dispositivo</source>
        <translation>no space left on the device</translation>
    </message>
    <message>
        <source>se superó la cuota de disco</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>supera el tamaño máximo de archivo</source>
        <translation>exceeds the maximum file size</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>hay demasiados enlaces simbólicos en la ruta</source>
        <translation>too many symbolic links in the path</translation>
    </message>
    <message>
        <source>hay demasiados archivos abiertos</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>no queda memoria</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>está cerrada</source>
        <translation>it is closed</translation>
    </message>
    <message>
        <source>quien leía ya no está</source>
        <translation>the reader has gone away</translation>
    </message>
    <message>
        <source>error de entrada/salida</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>error %1 del sistema</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>ya existe y no es un archivo normal</source>
        <translation>already exists and is not a regular file</translation>
    </message>
    <message>
        <source>no se pudo escribir entero</source>
        <translation>could not be written whole</translation>
    </message>
    <message>
        <source>extensión desconocida (se admiten .png, .svg y .pdf)</source>
        <translation>unknown extension (.png, .svg and .pdf are accepted)</translation>
    </message>
    <message>
        <source>no se pudo generar el dibujo</source>
        <translation>the picture could not be made</translation>
    </message>
    <message>
        <source>no se puede escribir «%1»: %2</source>
        <translation>cannot write “%1”: %2</translation>
    </message>
</context>
<context>
    <name>VentanaMetodo</name>
    <message>
        <source>Diagrama vacío: mueva una barra para dibujar los vectores.</source>
        <translation>Empty diagram: move a bar to draw the vectors.</translation>
    </message>
</context>
<context>
    <name>Vistas</name>
    <message>
        <source>Cuadrícula</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Rótulos</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Componentes</source>
        <translation>Components</translation>
    </message>
    <message>
        <source>Ecuación</source>
        <translation>Equation</translation>
    </message>
    <message>
        <source>Trazo grueso</source>
        <translation>Thick lines</translation>
    </message>
    <message>
        <source>Colores de alto contraste</source>
        <translation>High-contrast colours</translation>
    </message>
    <message>
        <source>Escala fija</source>
        <translation>Fixed scale</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>Máximo para esta pantalla</source>
        <translation>Maximum for this screen</translation>
    </message>
</context>
</TS>
