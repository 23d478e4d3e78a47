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
    <message>
        <source>Menú del dibujo</source>
        <translation>Picture menu</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Deshacer: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Rehacer: %1</source>
        <translation>Redo: %1</translation>
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
        <source>&lt;h3&gt;Trazalia %1&lt;/h3&gt;&lt;p&gt;Suma de vectores en el plano por los métodos del paralelogramo y del polígono.&lt;/p&gt;&lt;p&gt;Licencia: GNU GPL, versión 3 o posterior (%3).&lt;/p&gt;&lt;p&gt;Créditos: Equipo Trazalia. Hecho con Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Trazalia %1&lt;/h3&gt;&lt;p&gt;Vector addition in the plane by the parallelogram and polygon methods.&lt;/p&gt;&lt;p&gt;Licence: GNU GPL, version 3 or later (%3).&lt;/p&gt;&lt;p&gt;Credits: Trazalia Team. Made with Qt %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Camino</name>
    <message>
        <source>La diagonal del paralelogramo mide menos que los dos lados juntos, salvo con vectores de igual dirección: los módulos no se suman. Mida la diagonal que sale del origen.</source>
        <translation>The parallelogram&apos;s diagonal is shorter than its two sides together, unless the vectors point the same way: magnitudes do not add. Measure the diagonal that starts at the origin.</translation>
    </message>
    <message>
        <source>Restar los módulos solo vale con vectores opuestos. La resultante es la diagonal del paralelogramo que sale del origen, y se mide entera.</source>
        <translation>Subtracting magnitudes only works for opposite vectors. The resultant is the parallelogram&apos;s diagonal from the origin, measured whole.</translation>
    </message>
    <message>
        <source>La diagonal va del origen, donde nacen los dos vectores, al vértice opuesto: la resultante apunta hacia fuera, como ellos.</source>
        <translation>The diagonal runs from the origin, where both vectors start, to the opposite corner: the resultant points outwards, as they do.</translation>
    </message>
    <message>
        <source>El paralelogramo tiene dos diagonales: la que une las puntas de los vectores es su diferencia; la suma es la que sale del origen.</source>
        <translation>The parallelogram has two diagonals: the one joining the vectors&apos; tips is their difference; the sum is the one from the origin.</translation>
    </message>
    <message>
        <source>Los lados del polígono solo suman su largo si están alineados; la resultante es el lado que lo cierra, del origen a la última punta.</source>
        <translation>The polygon&apos;s sides only add their lengths when they are in line; the resultant is the side that closes it, from the origin to the last tip.</translation>
    </message>
    <message>
        <source>El lado que cierra el polígono va del origen a la punta del último vector: apunta hacia donde termina la cadena.</source>
        <translation>The side that closes the polygon runs from the origin to the last vector&apos;s tip: it points to where the chain ends.</translation>
    </message>
    <message>
        <source>En el polígono cada vector se traslada sin girarlo: si uno queda al revés, se lo resta. Copie cada flecha con su misma dirección.</source>
        <translation>In the polygon each vector is moved without turning it: one left reversed is subtracted. Copy each arrow with its own direction.</translation>
    </message>
    <message>
        <source>El polígono pone los tres vectores punta con cola; la resultante cierra desde el origen hasta la punta del tercero, no del segundo.</source>
        <translation>The polygon lays the three vectors head to tail; the resultant closes it from the origin to the third vector&apos;s tip, not the second&apos;s.</translation>
    </message>
    <message>
        <source>Los módulos solo se suman si los vectores apuntan igual; si no, la resultante es más corta. Póngalos punta con cola y mida la flecha del origen a la última punta.</source>
        <translation>Magnitudes only add when the vectors point the same way; otherwise the resultant is shorter. Lay them head to tail and measure the arrow from the origin to the last tip.</translation>
    </message>
    <message>
        <source>Restar los módulos solo vale con vectores opuestos. Sume los vectores con su dirección: la resultante va del origen a la punta del último.</source>
        <translation>Subtracting magnitudes only works for opposite vectors. Add the vectors with their directions: the resultant runs from the origin to the last one&apos;s tip.</translation>
    </message>
    <message>
        <source>La resultante sale del origen hacia la punta del último vector, no al revés: apunta hacia donde avanza la cadena.</source>
        <translation>The resultant leaves the origin towards the last vector&apos;s tip, not the other way: it points where the chain goes.</translation>
    </message>
    <message>
        <source>Un vector dibujado al revés se resta en lugar de sumarse. Al trasladar cada vector, conserve su dirección y su sentido.</source>
        <translation>A vector drawn reversed is subtracted instead of added. When you move each vector, keep its direction and its sense.</translation>
    </message>
    <message>
        <source>La dirección se mide desde el eje x positivo; medirla desde el eje y la cambia en 90°. Lea el ángulo entre el eje x y la flecha.</source>
        <translation>The direction is measured from the positive x axis; measuring it from the y axis changes it by 90°. Read the angle between the x axis and the arrow.</translation>
    </message>
    <message>
        <source>Los ángulos crecen en sentido antihorario desde el eje x; contarlos en sentido horario da 360° menos el ángulo. Gire del eje x hacia el eje y.</source>
        <translation>Angles grow anticlockwise from the x axis; counting them clockwise gives 360° minus the angle. Turn from the x axis towards the y axis.</translation>
    </message>
    <message>
        <source>La dirección de la resultante no es el promedio de las direcciones: el vector más largo la inclina hacia sí. La da la flecha del origen a la última punta.</source>
        <translation>The resultant&apos;s direction is not the average of the directions: the longer vector pulls it towards itself. The arrow from the origin to the last tip gives it.</translation>
    </message>
    <message>
        <source>La resultante suma todos los vectores: si uno queda fuera, la cadena termina antes. Ponga cada vector punta con cola antes de trazarla.</source>
        <translation>The resultant adds every vector: leave one out and the chain ends too soon. Lay each vector head to tail before you draw it.</translation>
    </message>
    <message>
        <source>Una componente hacia la izquierda o hacia abajo es negativa y resta. Sume las componentes con el signo del cuadrante de cada vector.</source>
        <translation>A component to the left or downwards is negative and subtracts. Add the components with the sign of each vector&apos;s quadrant.</translation>
    </message>
    <message>
        <source>Restar b es sumar −b, de igual módulo y sentido opuesto; sumar b tal cual da a + b. Dé vuelta b antes de ponerlo punta con cola.</source>
        <translation>Subtracting b is adding −b, of equal magnitude and opposite sense; adding b as it is gives a + b. Turn b round before laying it head to tail.</translation>
    </message>
    <message>
        <source>a − b y b − a tienen igual módulo y sentidos opuestos: el orden importa. Al vector que se resta se le da vuelta; al otro, no.</source>
        <translation>a − b and b − a have equal magnitudes and opposite senses: the order matters. The vector subtracted is turned round; the other is not.</translation>
    </message>
    <message>
        <source>Un número negativo alarga o acorta el vector y además lo da vuelta. Dibuje k·v al revés de v cuando k es negativo.</source>
        <translation>A negative number stretches or shrinks the vector and also turns it round. Draw k·v opposite to v when k is negative.</translation>
    </message>
    <message>
        <source>k·v está sobre la recta de v: k cambia el módulo, y el sentido si es negativo, pero nunca multiplica el ángulo. Dibuje k₁a sobre la recta de a.</source>
        <translation>k·v lies on v&apos;s line: k changes the magnitude, and the sense if it is negative, but never multiplies the angle. Draw k₁a on a&apos;s line.</translation>
    </message>
    <message>
        <source>|k₁||a| + |k₂||b| solo es el módulo de c si los dos términos apuntan igual. Ponga k₁a y k₂b punta con cola y mida c.</source>
        <translation>|k₁||a| + |k₂||b| is c&apos;s magnitude only when both terms point the same way. Lay k₁a and k₂b head to tail and measure c.</translation>
    </message>
    <message>
        <source>c = k₁a + k₂b suma los dos términos; uno solo deja fuera el otro. Ponga k₂b con su cola en la punta de k₁a y trace c hasta el final.</source>
        <translation>c = k₁a + k₂b adds both terms; one alone leaves the other out. Put k₂b&apos;s tail at k₁a&apos;s tip and draw c to the end.</translation>
    </message>
    <message>
        <source>La equilibrante anula la suma: tiene el módulo de la resultante y el sentido opuesto. Construya la resultante y gírela 180°.</source>
        <translation>The equilibrant cancels the sum: it has the resultant&apos;s magnitude and the opposite sense. Construct the resultant and turn it by 180°.</translation>
    </message>
    <message>
        <source>k₁a: a por k₁, desde el origen; al revés de a si k₁ es negativo.</source>
        <translation>k₁a: a times k₁, from the origin; opposite to a if k₁ is negative.</translation>
    </message>
    <message>
        <source>k₂b, con su cola en la punta de k₁a; al revés de b si k₂ es negativo.</source>
        <translation>k₂b, with its tail at k₁a&apos;s tip; opposite to b if k₂ is negative.</translation>
    </message>
    <message>
        <source>c: del origen a la punta de k₂b.</source>
        <translation>c: from the origin to k₂b&apos;s tip.</translation>
    </message>
    <message>
        <source>El primer vector, desde el origen.</source>
        <translation>The first vector, from the origin.</translation>
    </message>
    <message>
        <source>El segundo, desde el mismo origen.</source>
        <translation>The second, from the same origin.</translation>
    </message>
    <message>
        <source>Por la punta de cada uno, una paralela al otro: los lados del paralelogramo.</source>
        <translation>Through each one&apos;s tip, a parallel to the other: the parallelogram&apos;s sides.</translation>
    </message>
    <message>
        <source>La resultante: la diagonal que sale del origen.</source>
        <translation>The resultant: the diagonal that starts at the origin.</translation>
    </message>
    <message>
        <source>Se lee la resultante: mide %1 y apunta a %2°.</source>
        <translation>Read the resultant: it measures %1 and points at %2°.</translation>
    </message>
    <message>
        <source>La equilibrante: la resultante girada 180°, mide %1 y apunta a %2°.</source>
        <translation>The equilibrant: the resultant turned by 180°, it measures %1 and points at %2°.</translation>
    </message>
    <message>
        <source>El segundo, con su cola en la punta del primero.</source>
        <translation>The second, with its tail at the first one&apos;s tip.</translation>
    </message>
    <message>
        <source>El tercero, con su cola en la punta del segundo.</source>
        <translation>The third, with its tail at the second one&apos;s tip.</translation>
    </message>
    <message>
        <source>El siguiente, con su cola en la punta del anterior.</source>
        <translation>The next, with its tail at the previous one&apos;s tip.</translation>
    </message>
    <message>
        <source>La resultante, del origen a la última punta.</source>
        <translation>The resultant, from the origin to the last tip.</translation>
    </message>
    <message>
        <source>¿Dónde está el error? Esta construcción tiene uno; elija cuál: %1.</source>
        <translation>Where is the mistake? This construction has one; choose which: %1.</translation>
    </message>
    <message>
        <source>Sí: el error es %1.</source>
        <translation>Yes: the mistake is %1.</translation>
    </message>
    <message>
        <source>No: el error es %1, no %2.</source>
        <translation>No: the mistake is %1, not %2.</translation>
    </message>
    <message>
        <source>Resta</source>
        <translation>Subtraction</translation>
    </message>
    <message>
        <source>Múltiplos</source>
        <translation>Multiples</translation>
    </message>
    <message>
        <source>%1 (equilibrante)</source>
        <translation>%1 (equilibrant)</translation>
    </message>
    <message>
        <source>%1 (resultante)</source>
        <translation>%1 (resultant)</translation>
    </message>
</context>
<context>
    <name>Deshacer</name>
    <message>
        <source>Deshecho: %1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <source>Rehecho: %1</source>
        <translation>Redone: %1</translation>
    </message>
    <message>
        <source>mover %1</source>
        <translation>move %1</translation>
    </message>
    <message>
        <source>escribir %1</source>
        <translation>type %1</translation>
    </message>
    <message>
        <source>arrastrar la punta del vector %1</source>
        <translation>drag the tip of vector %1</translation>
    </message>
    <message>
        <source>activar «%1»</source>
        <translation>turn on “%1”</translation>
    </message>
    <message>
        <source>desactivar «%1»</source>
        <translation>turn off “%1”</translation>
    </message>
</context>
<context>
    <name>Dialogos</name>
    <message>
        <source>Omitir</source>
        <translation>Skip</translation>
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
    <name>Errores</name>
    <message>
        <source>semilla no válida %1: se esperaba un entero de 0 a %2</source>
        <translation>invalid seed %1: expected a whole number from 0 to %2</translation>
    </message>
    <message>
        <source>magnitud no válida %1: se esperaba un número como %2</source>
        <translation>invalid magnitude %1: expected a number such as %2</translation>
    </message>
    <message>
        <source>dirección no válida %1: se esperaba un número como %2</source>
        <translation>invalid direction %1: expected a number such as %2</translation>
    </message>
    <message>
        <source>magnitud fuera de rango %1: va de 0 a %2</source>
        <translation>magnitude out of range %1: it goes from 0 to %2</translation>
    </message>
    <message>
        <source>dirección fuera de rango %1: va de 0 a %2</source>
        <translation>direction out of range %1: it goes from 0 to %2</translation>
    </message>
    <message>
        <source>Eso no se puede hacer aquí.</source>
        <translation>That cannot be done here.</translation>
    </message>
    <message>
        <source>Trazalia ya se cerró.</source>
        <translation>Trazalia has already closed.</translation>
    </message>
    <message>
        <source>Abra la ventana del paralelogramo.</source>
        <translation>Open the parallelogram window.</translation>
    </message>
    <message>
        <source>Abra la ventana del polígono.</source>
        <translation>Open the polygon window.</translation>
    </message>
    <message>
        <source>Abra la ventana de inicio.</source>
        <translation>Open the start window.</translation>
    </message>
    <message>
        <source>%1 no recibe el teclado ahora.</source>
        <translation>%1 does not take the keyboard now.</translation>
    </message>
    <message>
        <source>La ventana de inicio no tiene práctica.</source>
        <translation>The start window has no practice.</translation>
    </message>
    <message>
        <source>Active primero la práctica: «Practicar» (P).</source>
        <translation>Turn practice on first: “Practise” (P).</translation>
    </message>
    <message>
        <source>Este ejercicio ya está resuelto: «Otro ejercicio» (N) da otro.</source>
        <translation>This exercise is solved already: “Another exercise” (N) gives another.</translation>
    </message>
    <message>
        <source>Esa tecla no hace nada aquí.</source>
        <translation>That key does nothing here.</translation>
    </message>
    <message>
        <source>«%1» no está disponible aquí.</source>
        <translation>“%1” is not available here.</translation>
    </message>
    <message>
        <source>%1 no es un número entero.</source>
        <translation>%1 is not a whole number.</translation>
    </message>
    <message>
        <source>%1 no vale: %2 va de %3 a %4.</source>
        <translation>%1 will not do: %2 goes from %3 to %4.</translation>
    </message>
    <message>
        <source>%1 no vale. %2</source>
        <translation>%1 will not do. %2</translation>
    </message>
    <message>
        <source>%1 no recibe un valor ahora.</source>
        <translation>%1 takes no value now.</translation>
    </message>
    <message>
        <source>No hay nada que deshacer.</source>
        <translation>There is nothing to undo.</translation>
    </message>
    <message>
        <source>No hay nada que rehacer.</source>
        <translation>There is nothing to redo.</translation>
    </message>
    <message>
        <source>Esta ventana no tiene práctica.</source>
        <translation>This window has no practice.</translation>
    </message>
    <message>
        <source>La equilibrante se pide en las ventanas que suman vectores.</source>
        <translation>The equilibrant is asked for in the windows that add vectors.</translation>
    </message>
    <message>
        <source>El camino guardado no se puede retomar en esta ventana; empiece uno nuevo.</source>
        <translation>The saved path cannot be resumed in this window; start a new one.</translation>
    </message>
    <message>
        <source>La construcción se muestra paso a paso después de un error en el camino.</source>
        <translation>The construction is shown step by step after a mistake on the path.</translation>
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
    <message>
        <source>Resta y múltiplos</source>
        <translation>Subtraction and multiples</translation>
    </message>
    <message>
        <source>Resta y múltiplos de vectores</source>
        <translation>Subtraction and multiples of vectors</translation>
    </message>
    <message>
        <source>Abre la ventana de resta y múltiplos: c = k₁a + k₂b, con a − b de un toque.</source>
        <translation>Opens the subtraction and multiples window: c = k₁a + k₂b, with a − b in one click.</translation>
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
    <name>Form4</name>
    <message>
        <source>Diagrama de la combinación</source>
        <translation>Combination diagram</translation>
    </message>
    <message>
        <source>Los vectores a y b a escala desde el origen; «Graficar c» añade k₁a y k₂b punta con cola y la resultante c en negro. Botón derecho: copiar o guardar la imagen</source>
        <translation>Vectors a and b to scale from the origin; “Plot c” adds k₁a and k₂b tip to tail and the resultant c in black. Right button: copy or save the picture</translation>
    </message>
    <message>
        <source>|a|: magnitud del vector a</source>
        <translation>|a|: magnitude of vector a</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector a</source>
        <translation>Label of the magnitude of vector a</translation>
    </message>
    <message>
        <source>Magnitud del vector a</source>
        <translation>Magnitude of vector a</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector a (rojo): de 0 a 100</source>
        <translation>Magnitude of vector a (red): from 0 to 100</translation>
    </message>
    <message>
        <source>Valor del módulo del vector a, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Value of the magnitude of vector a, from 0 to 100. Double-click to type it</translation>
    </message>
    <message>
        <source>α: dirección del vector a</source>
        <translation>α: direction of vector a</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector a</source>
        <translation>Label of the direction of vector a</translation>
    </message>
    <message>
        <source>Dirección del vector a (grados)</source>
        <translation>Direction of vector a (degrees)</translation>
    </message>
    <message>
        <source>Dirección del vector a (rojo): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direction of vector a (red): from 0° to 360°, the angle with the positive x semi-axis, counterclockwise</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector a, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Value of the direction of vector a, from 0° to 360°. Double-click to type it</translation>
    </message>
    <message>
        <source>|b|: magnitud del vector b</source>
        <translation>|b|: magnitude of vector b</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector b</source>
        <translation>Label of the magnitude of vector b</translation>
    </message>
    <message>
        <source>Magnitud del vector b</source>
        <translation>Magnitude of vector b</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector b (azul): de 0 a 100</source>
        <translation>Magnitude of vector b (blue): from 0 to 100</translation>
    </message>
    <message>
        <source>Valor del módulo del vector b, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Value of the magnitude of vector b, from 0 to 100. Double-click to type it</translation>
    </message>
    <message>
        <source>α: dirección del vector b</source>
        <translation>α: direction of vector b</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector b</source>
        <translation>Label of the direction of vector b</translation>
    </message>
    <message>
        <source>Dirección del vector b (grados)</source>
        <translation>Direction of vector b (degrees)</translation>
    </message>
    <message>
        <source>Dirección del vector b (azul): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direction of vector b (blue): from 0° to 360°, the angle with the positive x semi-axis, counterclockwise</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector b, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Value of the direction of vector b, from 0° to 360°. Double-click to type it</translation>
    </message>
    <message>
        <source>k₁: coeficiente del vector a</source>
        <translation>k₁: coefficient of vector a</translation>
    </message>
    <message>
        <source>Rótulo del coeficiente del vector a</source>
        <translation>Label of the coefficient of vector a</translation>
    </message>
    <message>
        <source>Coeficiente k₁ del vector a</source>
        <translation>Coefficient k₁ of vector a</translation>
    </message>
    <message>
        <source>Coeficiente k₁ que multiplica al vector a: de −5 a 5, de medio en medio; negativo, invierte el sentido</source>
        <translation>Coefficient k₁ that multiplies vector a: from −5 to 5 in halves; a negative one reverses it</translation>
    </message>
    <message>
        <source>Valor del coeficiente k₁, de −5 a 5. Doble clic para escribirlo</source>
        <translation>Value of coefficient k₁, from −5 to 5. Double-click to type it</translation>
    </message>
    <message>
        <source>k₂: coeficiente del vector b</source>
        <translation>k₂: coefficient of vector b</translation>
    </message>
    <message>
        <source>Rótulo del coeficiente del vector b</source>
        <translation>Label of the coefficient of vector b</translation>
    </message>
    <message>
        <source>Coeficiente k₂ del vector b</source>
        <translation>Coefficient k₂ of vector b</translation>
    </message>
    <message>
        <source>Coeficiente k₂ que multiplica al vector b: de −5 a 5, de medio en medio; negativo, invierte el sentido</source>
        <translation>Coefficient k₂ that multiplies vector b: from −5 to 5 in halves; a negative one reverses it</translation>
    </message>
    <message>
        <source>Valor del coeficiente k₂, de −5 a 5. Doble clic para escribirlo</source>
        <translation>Value of coefficient k₂, from −5 to 5. Double-click to type it</translation>
    </message>
    <message>
        <source>a − b</source>
        <translation>a − b</translation>
    </message>
    <message>
        <source>Restar: a − b</source>
        <translation>Subtract: a − b</translation>
    </message>
    <message>
        <source>Pone k₁ = 1 y k₂ = −1: la resta a − b es la suma de a y el opuesto de b.</source>
        <translation>Sets k₁ = 1 and k₂ = −1: a − b is the sum of a and the opposite of b.</translation>
    </message>
    <message>
        <source>Graficar c</source>
        <translation>Plot c</translation>
    </message>
    <message>
        <source>Dibuja k₁a y k₂b punta con cola y la resultante c = k₁a + k₂b en negro, y muestra su magnitud y su dirección.</source>
        <translation>Draws k₁a and k₂b tip to tail and the resultant c = k₁a + k₂b in black, and shows its magnitude and direction.</translation>
    </message>
    <message>
        <source>|c|: magnitud de la resultante</source>
        <translation>|c|: magnitude of the resultant</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud de la resultante c</source>
        <translation>Label of the magnitude of the resultant c</translation>
    </message>
    <message>
        <source>Magnitud de la resultante</source>
        <translation>Magnitude of the resultant</translation>
    </message>
    <message>
        <source>Módulo de la resultante c, de 0 a 1000, tras «Graficar c»</source>
        <translation>Magnitude of the resultant c, from 0 to 1000, after “Plot c”</translation>
    </message>
    <message>
        <source>α: dirección de la resultante</source>
        <translation>α: direction of the resultant</translation>
    </message>
    <message>
        <source>Rótulo de la dirección de la resultante c</source>
        <translation>Label of the direction of the resultant c</translation>
    </message>
    <message>
        <source>Dirección de la resultante (grados)</source>
        <translation>Direction of the resultant (degrees)</translation>
    </message>
    <message>
        <source>Dirección de la resultante c: de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario; «Indefinido» si la resultante es nula</source>
        <translation>Direction of the resultant c: from 0° to 360°, the angle with the positive x semi-axis, counterclockwise; “Undefined” for a zero resultant</translation>
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
        <source>Resta y múltiplos de vectores</source>
        <translation>Subtraction and multiples of vectors</translation>
    </message>
    <message>
        <source>De la construcción anterior: pulse «Graficar c»</source>
        <translation>From the previous construction: press “Plot c”</translation>
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
    <message>
        <source>E&amp;xportar a Moodle…</source>
        <translation>E&amp;xport to Moodle…</translation>
    </message>
    <message>
        <source>No se pudo exportar a Moodle</source>
        <translation>Could not export to Moodle</translation>
    </message>
    <message>
        <source>Cloze: una pregunta con dos huecos</source>
        <translation>Cloze: one question with two blanks</translation>
    </message>
    <message>
        <source>Numéricas: dos preguntas, con estadísticas</source>
        <translation>Numerical: two questions, with statistics</translation>
    </message>
    <message>
        <source>&amp;Formato de Moodle:</source>
        <translation>Moodle &amp;format:</translation>
    </message>
    <message>
        <source>hoja</source>
        <translation>worksheet</translation>
    </message>
    <message>
        <source>Guardar la hoja</source>
        <translation>Save the worksheet</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Exportar a Moodle</source>
        <translation>Export to Moodle</translation>
    </message>
    <message>
        <source>Banco de preguntas de Moodle (*.xml)</source>
        <translation>Moodle question bank (*.xml)</translation>
    </message>
    <message>
        <source>El banco pasa de 2 MB, lo más que Moodle importa de una vez: se escribió en %1 archivos, %2, para importarlos uno tras otro.</source>
        <translation>The bank is over 2 MB, the most Moodle imports at once: it was written in %1 files, %2, to be imported one after another.</translation>
    </message>
    <message>
        <source>La equilibrante, en los dos</source>
        <translation>The equilibrant, in both</translation>
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
    <name>Opciones</name>
    <message>
        <source>ARCHIVO</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Realiza las acciones de ARCHIVO (- para la entrada estándar).</source>
        <translation>Performs the actions in FILE (- for standard input).</translation>
    </message>
    <message>
        <source>ARCHIVO.pdf</source>
        <translation>FILE.pdf</translation>
    </message>
    <message>
        <source>Escribe una hoja de ejercicios con sus soluciones, con:</source>
        <translation>Writes a worksheet with its solutions, with:</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>cuántos ejercicios (de 1 a 200; 6 si no se dice);</source>
        <translation>how many exercises (1 to 200; 6 if not given);</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>facil, medio o dificil (medio si no se dice);</source>
        <translation>facil, medio or dificil (medio if not given);</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>la semilla de los ejercicios (la del reloj si no se dice);</source>
        <translation>the exercises&apos; seed (the clock&apos;s if not given);</translation>
    </message>
    <message>
        <source>TEXTO</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>el título de cada página;</source>
        <translation>the title of every page;</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>a4 o carta (a4 si no se dice);</source>
        <translation>a4 or carta (a4 if not given);</translation>
    </message>
    <message>
        <source>con los vectores dibujados en cada cuadro.</source>
        <translation>with the vectors drawn in each frame.</translation>
    </message>
    <message>
        <source>Con --script, añade a ARCHIVO cada veredicto de la práctica.</source>
        <translation>With --script, adds every practice verdict to FILE.</translation>
    </message>
    <message>
        <source>Abre el programa con la práctica activa en ambos métodos.</source>
        <translation>Opens the program with practice on in both methods.</translation>
    </message>
    <message>
        <source>ARCHIVO...</source>
        <translation>FILE...</translation>
    </message>
    <message>
        <source>Resume los registros de práctica de una clase; con --csv,
en CSV.</source>
        <translation>Summarises a class&apos;s practice records; with --csv,
as CSV.</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>El idioma de las ventanas: es (español), en (inglés) o pt_BR
(portugués de Brasil). En pantalla, el del sistema si lo
habla Trazalia; con --script y --hoja, español.</source>
        <translation>The windows&apos; language: es (Spanish), en (English) or pt_BR
(Brazilian Portuguese). On screen, the system&apos;s if
Trazalia speaks it; with --script and --hoja, Spanish.</translation>
    </message>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Muestra la versión y termina.</source>
        <translation>Shows the version and exits.</translation>
    </message>
    <message>
        <source>[--registro ARCHIVO]</source>
        <translation>[--registro FILE]</translation>
    </message>
    <message>
        <source>[OPCIONES DE LA HOJA]</source>
        <translation>[WORKSHEET OPTIONS]</translation>
    </message>
    <message>
        <source>Uso:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>Trazalia: suma de vectores en el plano por los métodos del paralelogramo y del polígono.</source>
        <translation>Trazalia: adding vectors in the plane by the parallelogram and polygon methods.</translation>
    </message>
    <message>
        <source>Con --script, realiza las acciones de ARCHIVO sin pantalla y escribe la traza de cada
operación de dibujo en la salida estándar.</source>
        <translation>With --script, performs the actions in FILE without a display and writes the trace of
every drawing operation to standard output.</translation>
    </message>
    <message>
        <source>Opciones:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Acepta también las opciones comunes de Qt, como -platform NOMBRE o -style NOMBRE.</source>
        <translation>Qt&apos;s common options are accepted too, such as -platform NAME or -style NAME.</translation>
    </message>
    <message>
        <source>ARCHIVO.xml</source>
        <translation>FILE.xml</translation>
    </message>
    <message>
        <source>Escribe los ejercicios de la hoja como banco de preguntas
de Moodle, con las opciones de la hoja salvo --papel y
--dibujados, y con:</source>
        <translation>Writes the worksheet&apos;s exercises as a Moodle question
bank, with the worksheet&apos;s options except --papel and
--dibujados, and with:</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>cloze (una pregunta con dos huecos) o numerico (dos
preguntas, que las estadísticas de Moodle analizan);
cloze si no se dice.</source>
        <translation>cloze (one question with two blanks) or numerico (two
questions, which Moodle&apos;s statistics analyse);
cloze if not given.</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1: la hoja se escribe en PDF; use un nombre terminado en .pdf</source>
        <translation>%1: the worksheet is written as PDF; use a name ending in .pdf</translation>
    </message>
    <message>
        <source>%1: el banco de preguntas se escribe en XML; use un nombre terminado en .xml</source>
        <translation>%1: the question bank is written as XML; use a name ending in .xml</translation>
    </message>
    <message>
        <source>--ejercicios va de 1 a %1, no %2</source>
        <translation>--ejercicios goes from 1 to %1, not %2</translation>
    </message>
    <message>
        <source>nivel desconocido %1: se esperaba facil, medio o dificil</source>
        <translation>unknown level %1: expected facil, medio or dificil</translation>
    </message>
    <message>
        <source>semilla no válida %1: se esperaba un número de 0 a %2</source>
        <translation>invalid seed %1: expected a number from 0 to %2</translation>
    </message>
    <message>
        <source>papel desconocido %1: se esperaba a4 o carta</source>
        <translation>unknown paper %1: expected a4 or carta</translation>
    </message>
    <message>
        <source>formato desconocido %1: se esperaba cloze o numerico</source>
        <translation>unknown format %1: expected cloze or numerico</translation>
    </message>
    <message>
        <source>el nombre del registro %1 no es texto UTF-8; elija otro nombre</source>
        <translation>the record&apos;s name %1 is not UTF-8 text; choose another name</translation>
    </message>
    <message>
        <source>idioma desconocido %1: se esperaba es, en o pt_BR</source>
        <translation>unknown language %1: expected es, en or pt_BR</translation>
    </message>
    <message>
        <source>--practica abre las ventanas: no va con --script, --hoja ni --moodle</source>
        <translation>--practica opens the windows: it does not go with --script, --hoja or --moodle</translation>
    </message>
    <message>
        <source>--hoja y --script no van juntas</source>
        <translation>--hoja and --script do not go together</translation>
    </message>
    <message>
        <source>--moodle y --script no van juntas</source>
        <translation>--moodle and --script do not go together</translation>
    </message>
    <message>
        <source>--resumen va sola, con sus archivos y --csv</source>
        <translation>--resumen goes alone, with its files and --csv</translation>
    </message>
    <message>
        <source>%1 o %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>falta el %1 de la opción %2</source>
        <translation>the %1 of option %2 is missing</translation>
    </message>
    <message>
        <source>falta el valor de la opción %1</source>
        <translation>the value of option %1 is missing</translation>
    </message>
    <message>
        <source>la opción %1 no lleva valor</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>opción desconocida %1; «trazalia --help» muestra las opciones</source>
        <translation>unknown option %1; “trazalia --help” shows the options</translation>
    </message>
    <message>
        <source>la opción %1 se ha dado %2 veces; se admite una sola</source>
        <translation>option %1 was given %2 times; only one is allowed</translation>
    </message>
    <message>
        <source>%1 y %2 no van juntas</source>
        <translation>%1 and %2 do not go together</translation>
    </message>
    <message>
        <source>argumento inesperado %1</source>
        <translation>unexpected argument %1</translation>
    </message>
    <message>
        <source>la opción %1 va con %2</source>
        <translation>option %1 goes with %2</translation>
    </message>
    <message>
        <source>método desconocido %1: se esperaba %2</source>
        <translation>unknown method %1: expected %2</translation>
    </message>
    <message>
        <source>%1
(equilibrante: la de los métodos que suman; ambos si no se dice);</source>
        <translation>%1
(equilibrante: that of the methods that add; ambos if not given);</translation>
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
    <message>
        <source>Módulo de su resultante</source>
        <translation>Magnitude of your resultant</translation>
    </message>
    <message>
        <source>Dirección de su resultante</source>
        <translation>Direction of your resultant</translation>
    </message>
    <message>
        <source>De 0 a %1, con punto: 87.5</source>
        <translation>From 0 to %1, with a point: 87.5</translation>
    </message>
    <message>
        <source>El ejercicio no cambia hasta comprobarlo: pulse Intro en el dibujo o elija «Comprobar» en su menú.</source>
        <translation>The exercise does not change until it is checked: press Enter on the picture or choose “Check” in its menu.</translation>
    </message>
    <message>
        <source>Falta la dirección α de su resultante.</source>
        <translation>The direction α of your resultant is missing.</translation>
    </message>
    <message>
        <source>Falta el módulo r de su resultante.</source>
        <translation>The magnitude r of your resultant is missing.</translation>
    </message>
    <message>
        <source>Arrastre desde el origen su resultante, o escriba r y α.</source>
        <translation>Drag your resultant from the origin, or type r and α.</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Equilibrante</source>
        <translation>Equilibrant</translation>
    </message>
    <message>
        <source>Falta la dirección α de su equilibrante.</source>
        <translation>The direction α of your equilibrant is missing.</translation>
    </message>
    <message>
        <source>Falta el módulo r de su equilibrante.</source>
        <translation>The magnitude r of your equilibrant is missing.</translation>
    </message>
    <message>
        <source>Arrastre desde el origen la equilibrante, o escriba r y α.</source>
        <translation>Drag the equilibrant from the origin, or type r and α.</translation>
    </message>
    <message>
        <source>Camino</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>dominada</source>
        <translation>mastered</translation>
    </message>
    <message>
        <source>Ver la construcción paso a paso</source>
        <translation>See the construction step by step</translation>
    </message>
    <message>
        <source>¿Dónde está el error?</source>
        <translation>Where is the mistake?</translation>
    </message>
    <message>
        <source>Camino por todas las ventanas</source>
        <translation>Path through every window</translation>
    </message>
    <message>
        <source>Ningún error que mostrar</source>
        <translation>No mistake to show</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
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
    <message>
        <source>Alumnos por error:</source>
        <translation>Students by mistake:</translation>
    </message>
    <message numerus="yes">
        <source>%n vez/veces</source>
        <translation>
            <numerusform>%n time</numerusform>
            <numerusform>%n times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>y %n más</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Casi: %1 (%2 % de los intentos).</source>
        <translation>Near misses: %1 (%2 % of the attempts).</translation>
    </message>
    <message>
        <source>Sin comprobar: %1, %2.</source>
        <translation>Not checked: %1, %2.</translation>
    </message>
    <message>
        <source>%1: ya se leyó; no se cuenta dos veces</source>
        <translation>%1: already read; not counted twice</translation>
    </message>
    <message>
        <source>%1: ninguna línea es un registro de la práctica</source>
        <translation>%1: no line is a practice record</translation>
    </message>
    <message numerus="yes">
        <source>%n saltado(s)</source>
        <translation>
            <numerusform>%n skipped</numerusform>
            <numerusform>%n skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sin respuesta</source>
        <translation>
            <numerusform>%n without an answer</numerusform>
            <numerusform>%n without an answer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n casi</source>
        <translation>
            <numerusform>%n near miss</numerusform>
            <numerusform>%n near misses</numerusform>
        </translation>
    </message>
    <message>
        <source>Camino por alumno:</source>
        <translation>Path by student:</translation>
    </message>
    <message>
        <source>dominada</source>
        <translation>mastered</translation>
    </message>
    <message>
        <source>vuelven: %1</source>
        <translation>coming back: %1</translation>
    </message>
    <message>
        <source>Vuelven</source>
        <translation>Coming back</translation>
    </message>
</context>
<context>
    <name>Teclas</name>
    <message>
        <source>sobre el dibujo, en la práctica</source>
        <translation>on the picture, in practice</translation>
    </message>
    <message>
        <source>sobre el dibujo</source>
        <translation>on the picture</translation>
    </message>
    <message>
        <source>pasan de un control a otro</source>
        <translation>move from one control to another</translation>
    </message>
    <message>
        <source>bajan el valor de la barra que tiene el foco: de 1 en 1 con las flechas, de 5 en 5 con las teclas de página (de 1 en 1 la barra de pasos)</source>
        <translation>lower the value of the bar that has the focus: by 1 with the arrows, by 5 with the page keys (by 1 on the step bar)</translation>
    </message>
    <message>
        <source>lo suben</source>
        <translation>raise it</translation>
    </message>
    <message>
        <source>llevan la barra al mínimo y al máximo</source>
        <translation>take the bar to its minimum and its maximum</translation>
    </message>
    <message>
        <source>0 a 9</source>
        <translation>0 to 9</translation>
    </message>
    <message>
        <source>sobre una barra, abren un editor para escribir el valor exacto: Intro lo fija, Esc lo cancela; un valor fuera del intervalo se rechaza. Un doble clic en la casilla del valor abre el mismo editor</source>
        <translation>on a bar, open an editor to type the exact value: Enter sets it, Esc cancels it; a value outside the range is refused. A double click on the value&apos;s box opens the same editor</translation>
    </message>
    <message>
        <source>pulsan el botón que tiene el foco</source>
        <translation>press the button that has the focus</translation>
    </message>
    <message>
        <source>regresa a la ventana de inicio (en pantalla completa, primero sale de ella)</source>
        <translation>returns to the start window (in full screen, it leaves full screen first)</translation>
    </message>
    <message>
        <source>%1+rueda del ratón</source>
        <translation>%1+mouse wheel</translation>
    </message>
    <message>
        <source>amplía o reduce las ventanas</source>
        <translation>enlarges or reduces the windows</translation>
    </message>
    <message>
        <source>abre el menú del dibujo, como el botón derecho del ratón</source>
        <translation>opens the picture&apos;s menu, as the right mouse button does</translation>
    </message>
    <message>
        <source>arrastrar una punta</source>
        <translation>drag a tip</translation>
    </message>
    <message>
        <source>sobre el dibujo, el módulo y la dirección del vector siguen al puntero; con %2, de 5 en 5 y de 15 en 15 grados</source>
        <translation>on the picture, the vector&apos;s magnitude and direction follow the pointer; with %2, by 5 and by 15 degrees</translation>
    </message>
    <message>
        <source>arrastrar desde el origen</source>
        <translation>drag from the origin</translation>
    </message>
    <message>
        <source>en la práctica, dibuja su resultante</source>
        <translation>in practice, draws your resultant</translation>
    </message>
    <message>
        <source>0 a 9 sobre r o α</source>
        <translation>0 to 9 on r or α</translation>
    </message>
    <message>
        <source>en la práctica, abren un editor para escribir su resultante por partes: el módulo en r y la dirección en α</source>
        <translation>in practice, open an editor to type your resultant in parts: the magnitude in r and the direction in α</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Vista del dibujo: %1</source>
        <translation>Picture view: %1</translation>
    </message>
    <message>
        <source>en un camino, tras un error</source>
        <translation>on a path, after a mistake</translation>
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
    <message>
        <source>la carpeta no admite archivos nuevos</source>
        <translation>the folder takes no new files</translation>
    </message>
    <message>
        <source>es un dispositivo, no un archivo</source>
        <translation>it is a device, not a file</translation>
    </message>
    <message>
        <source>no se puede bloquear «%1»: %2</source>
        <translation>cannot lock “%1”: %2</translation>
    </message>
    <message>
        <source>Mida r y α sobre su dibujo: se aceptan ±1 mm y ±1° de diferencia.</source>
        <translation>Measure r and α on your drawing: answers within ±1 mm and ±1° are accepted.</translation>
    </message>
    <message>
        <source>medida: %1 cm ± 1 mm</source>
        <translation>measured: %1 cm ± 1 mm</translation>
    </message>
    <message>
        <source>medida: %1° ± 1°</source>
        <translation>measured: %1° ± 1°</translation>
    </message>
    <message>
        <source>Dibuje el paralelogramo que tiene los dos vectores por lados: la resultante es su diagonal desde el origen.</source>
        <translation>Draw the parallelogram whose sides are the two vectors: the resultant is its diagonal from the origin.</translation>
    </message>
    <message>
        <source>Ponga los vectores punta con cola, cada uno donde termina el anterior: la resultante va del origen a la última punta.</source>
        <translation>Place the vectors head to tail, each one where the one before ends: the resultant goes from the origin to the last head.</translation>
    </message>
    <message>
        <source>¡Correcto! Su resultante es la suma de los vectores.</source>
        <translation>Correct! Your resultant is the sum of the vectors.</translation>
    </message>
    <message>
        <source>Sumó los módulos: eso solo vale para vectores con la misma dirección y el mismo sentido.</source>
        <translation>You added the magnitudes: that only works for vectors pointing the same way along the same line.</translation>
    </message>
    <message>
        <source>Restó los módulos: eso solo vale para vectores con la misma dirección y sentidos opuestos.</source>
        <translation>You subtracted the magnitudes: that only works for vectors pointing opposite ways along the same line.</translation>
    </message>
    <message>
        <source>Su resultante apunta al revés.</source>
        <translation>Your resultant points the wrong way.</translation>
    </message>
    <message>
        <source>La correcta sale del origen y recorre la diagonal del paralelogramo hasta el vértice opuesto.</source>
        <translation>The right one starts at the origin and runs along the parallelogram&apos;s diagonal to the opposite corner.</translation>
    </message>
    <message>
        <source>La correcta sale del origen y llega a la punta del último vector de la cadena.</source>
        <translation>The right one starts at the origin and ends at the head of the last vector in the chain.</translation>
    </message>
    <message>
        <source>Restó un vector en lugar de sumarlo: cada vector conserva su sentido.</source>
        <translation>You subtracted a vector instead of adding it: each vector keeps its sense.</translation>
    </message>
    <message>
        <source>La resultante es la diagonal que sale del origen, no la que une las puntas de los dos vectores.</source>
        <translation>The resultant is the diagonal that starts at the origin, not the one that joins the heads of the two vectors.</translation>
    </message>
    <message>
        <source>Ponga cada vector a continuación del anterior sin darle la vuelta: la resultante va del origen a la última punta.</source>
        <translation>Place each vector after the one before without turning it round: the resultant goes from the origin to the last head.</translation>
    </message>
    <message>
        <source>Midió el ángulo desde el eje y: la dirección se mide desde el semieje x positivo.</source>
        <translation>You measured the angle from the y axis: the direction is measured from the positive x semi-axis.</translation>
    </message>
    <message>
        <source>Midió el ángulo en el sentido de las agujas del reloj: la dirección se mide desde el semieje x positivo, en sentido antihorario.</source>
        <translation>You measured the angle clockwise: the direction is measured from the positive x semi-axis, anticlockwise.</translation>
    </message>
    <message>
        <source>Promedió las direcciones: la dirección de la resultante no es el promedio de las de los vectores.</source>
        <translation>You averaged the directions: the resultant&apos;s direction is not the average of the vectors&apos; directions.</translation>
    </message>
    <message>
        <source>Le faltó un vector: la resultante suma los tres.</source>
        <translation>You left out a vector: the resultant adds all three.</translation>
    </message>
    <message>
        <source>Sumó las componentes sin su signo: una componente hacia la izquierda o hacia abajo es negativa y resta.</source>
        <translation>You added the components without their signs: a component to the left or downwards is negative and subtracts.</translation>
    </message>
    <message>
        <source>Su resultante no coincide.</source>
        <translation>Your resultant does not match.</translation>
    </message>
    <message>
        <source>acierto</source>
        <translation>right answer</translation>
    </message>
    <message>
        <source>suma de módulos</source>
        <translation>sum of magnitudes</translation>
    </message>
    <message>
        <source>resta de módulos</source>
        <translation>difference of magnitudes</translation>
    </message>
    <message>
        <source>sentido opuesto</source>
        <translation>opposite direction</translation>
    </message>
    <message>
        <source>resta de vectores</source>
        <translation>a vector subtracted</translation>
    </message>
    <message>
        <source>ángulo desde el eje y</source>
        <translation>angle from the y axis</translation>
    </message>
    <message>
        <source>sentido horario</source>
        <translation>clockwise angle</translation>
    </message>
    <message>
        <source>promedio de direcciones</source>
        <translation>average of directions</translation>
    </message>
    <message>
        <source>falta un vector</source>
        <translation>a vector left out</translation>
    </message>
    <message>
        <source>componentes sin signo</source>
        <translation>components without signs</translation>
    </message>
    <message>
        <source>otro error</source>
        <translation>other mistake</translation>
    </message>
    <message>
        <source>Su resultante: %1 a %2°.</source>
        <translation>Your resultant: %1 at %2°.</translation>
    </message>
    <message>
        <source>N: otro ejercicio.</source>
        <translation>N: another exercise.</translation>
    </message>
    <message>
        <source>Halle la resultante R = A + B por el método del paralelogramo.</source>
        <translation>Find the resultant R = A + B by the parallelogram method.</translation>
    </message>
    <message>
        <source>Halle la resultante R = A + B + C por el método del polígono.</source>
        <translation>Find the resultant R = A + B + C by the polygon method.</translation>
    </message>
    <message>
        <source>%1 %2 (semilla %3)</source>
        <translation>%1 %2 (seed %3)</translation>
    </message>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
    <message>
        <source>paralelogramo</source>
        <translation>parallelogram</translation>
    </message>
    <message>
        <source>poligono</source>
        <translation>polygon</translation>
    </message>
    <message>
        <source>ambos</source>
        <translation>both</translation>
    </message>
    <message>
        <source>facil</source>
        <translation>easy</translation>
    </message>
    <message>
        <source>medio</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>dificil</source>
        <translation>hard</translation>
    </message>
    <message>
        <source>Compruebe que no cometió alguno de estos errores: %1.</source>
        <translation>Check that you did not make one of these mistakes: %1.</translation>
    </message>
    <message>
        <source>Escriba solo el número, sin «°», con coma decimal; por ejemplo: %1.</source>
        <translation>Type the number alone, without “°”, with a decimal point; for example: %1.</translation>
    </message>
    <message>
        <source>Los vectores dados, dibujados desde el origen a la misma escala en ambos ejes.</source>
        <translation>The given vectors, drawn from the origin at the same scale on both axes.</translation>
    </message>
    <message>
        <source>Solución: r = %1; α = %2°.</source>
        <translation>Solution: r = %1; α = %2°.</translation>
    </message>
    <message>
        <source>La construcción de la resultante.</source>
        <translation>The construction of the resultant.</translation>
    </message>
    <message>
        <source>Módulo de R:</source>
        <translation>Magnitude of R:</translation>
    </message>
    <message>
        <source>Dirección de R, en grados desde el semieje x positivo:</source>
        <translation>Direction of R, in degrees from the positive x semi-axis:</translation>
    </message>
    <message>
        <source>%1 %2: r (semilla %3)</source>
        <translation>%1 %2: r (seed %3)</translation>
    </message>
    <message>
        <source>%1 %2: α (semilla %3)</source>
        <translation>%1 %2: α (seed %3)</translation>
    </message>
    <message>
        <source>Mida con cuidado: la longitud con la escala de los ejes, y el ángulo desde el semieje x positivo en sentido antihorario.</source>
        <translation>Measure carefully: the length with the axes&apos; scale, and the angle from the positive x semi-axis, counterclockwise.</translation>
    </message>
    <message>
        <source>Casi.</source>
        <translation>Nearly.</translation>
    </message>
    <message>
        <source>Dejó el ejercicio sin comprobarlo.</source>
        <translation>You left the exercise without checking it.</translation>
    </message>
    <message>
        <source>Vio la respuesta sin dar la suya.</source>
        <translation>You saw the answer without giving yours.</translation>
    </message>
    <message>
        <source>casi</source>
        <translation>near miss</translation>
    </message>
    <message>
        <source>saltado</source>
        <translation>skipped</translation>
    </message>
    <message>
        <source>sin respuesta</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>el módulo está bien</source>
        <translation>the magnitude is right</translation>
    </message>
    <message>
        <source>su módulo es un %1 % mayor</source>
        <translation>your magnitude is %1 % too long</translation>
    </message>
    <message>
        <source>su módulo es un %1 % menor</source>
        <translation>your magnitude is %1 % too short</translation>
    </message>
    <message>
        <source>la dirección está bien</source>
        <translation>the direction is right</translation>
    </message>
    <message>
        <source>su dirección está girada %1° en sentido antihorario</source>
        <translation>your direction is turned %1° counterclockwise</translation>
    </message>
    <message>
        <source>su dirección está girada %1° en sentido horario</source>
        <translation>your direction is turned %1° clockwise</translation>
    </message>
    <message>
        <source>Casi: %1 y %2.</source>
        <translation>Nearly: %1 and %2.</translation>
    </message>
    <message>
        <source>Su resultante es la que dan dos errores, que en este ejercicio coinciden: %1 o %2.</source>
        <translation>Your resultant is what two mistakes give, which coincide in this exercise: %1 or %2.</translation>
    </message>
    <message>
        <source>Casi: su módulo está cerca del correcto, pero fuera de la tolerancia.</source>
        <translation>Nearly: your magnitude is close to the right one, but outside the tolerance.</translation>
    </message>
    <message>
        <source>Casi: su dirección está cerca de la correcta, pero fuera de la tolerancia.</source>
        <translation>Nearly: your direction is close to the right one, but outside the tolerance.</translation>
    </message>
    <message>
        <source>Resta y múltiplos</source>
        <translation>Subtraction and multiples</translation>
    </message>
    <message>
        <source>Combinación</source>
        <translation>Combination</translation>
    </message>
    <message>
        <source>combinacion</source>
        <translation>combination</translation>
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
        <source>Ponga k₁a desde el origen y k₂b con su cola en la punta de k₁a: c va del origen a la punta de k₂b.</source>
        <translation>Place k₁a from the origin and k₂b with its tail at the tip of k₁a: c goes from the origin to the tip of k₂b.</translation>
    </message>
    <message>
        <source>Dibuje −b al revés de b y póngalo punta con cola tras k₁a: c va del origen a su punta.</source>
        <translation>Draw −b opposite to b and place it tip to tail after k₁a: c goes from the origin to its tip.</translation>
    </message>
    <message>
        <source>Con k negativo, dibuje k·v |k| veces más largo que v y al revés, y póngalo punta con cola.</source>
        <translation>With a negative k, draw k·v |k| times as long as v and reversed, and place it tip to tail.</translation>
    </message>
    <message>
        <source>Dibuje k₁a sobre la recta de a y k₂b sobre la de b, y póngalos punta con cola.</source>
        <translation>Draw k₁a along the line of a and k₂b along that of b, and place them tip to tail.</translation>
    </message>
    <message>
        <source>Dibuje k₁a desde el origen y k₂b con su cola en la punta de k₁a, y trace c hasta la punta de k₂b.</source>
        <translation>Draw k₁a from the origin and k₂b with its tail at the tip of k₁a, and draw c to the tip of k₂b.</translation>
    </message>
    <message>
        <source>k₁a y k₂b punta con cola; c = k₁a + k₂b.</source>
        <translation>k₁a and k₂b tip to tail; c = k₁a + k₂b.</translation>
    </message>
    <message>
        <source>Halle c = k₁a + k₂b poniendo k₁a y k₂b punta con cola.</source>
        <translation>Find c = k₁a + k₂b by placing k₁a and k₂b tip to tail.</translation>
    </message>
    <message>
        <source>Equilibrante E = −R:</source>
        <translation>Equilibrant E = −R:</translation>
    </message>
    <message>
        <source>Dé después la equilibrante E = −R, el vector que anula la suma: su módulo y su dirección.</source>
        <translation>Then give the equilibrant E = −R, the vector that cancels the sum: its magnitude and direction.</translation>
    </message>
    <message>
        <source>La construcción de la resultante; la equilibrante es su opuesta.</source>
        <translation>The construction of the resultant; the equilibrant is its opposite.</translation>
    </message>
    <message>
        <source>Módulo de E:</source>
        <translation>Magnitude of E:</translation>
    </message>
    <message>
        <source>Módulo de c:</source>
        <translation>Magnitude of c:</translation>
    </message>
    <message>
        <source>Dirección de E, en grados desde el semieje x positivo:</source>
        <translation>Direction of E, in degrees from the positive x semi-axis:</translation>
    </message>
    <message>
        <source>Dirección de c, en grados desde el semieje x positivo:</source>
        <translation>Direction of c, in degrees from the positive x semi-axis:</translation>
    </message>
    <message>
        <source>Sumó en lugar de restar: restar b es sumar su opuesto, −b, que apunta al revés.</source>
        <translation>You added instead of subtracting: subtracting b is adding its opposite, −b, which points the other way.</translation>
    </message>
    <message>
        <source>Restó al revés: a − b va de la punta de b a la punta de a, no al revés.</source>
        <translation>You subtracted the wrong way round: a − b goes from the tip of b to the tip of a, not the other way.</translation>
    </message>
    <message>
        <source>Multiplicó el módulo pero conservó el sentido: un coeficiente negativo también invierte el vector.</source>
        <translation>You scaled the magnitude but kept the sense: a negative coefficient also reverses the vector.</translation>
    </message>
    <message>
        <source>Multiplicó también el ángulo: k·a tiene la dirección de a (o la opuesta si k es negativo); solo su módulo cambia.</source>
        <translation>You multiplied the angle too: k·a has the direction of a (or the opposite one if k is negative); only its magnitude changes.</translation>
    </message>
    <message>
        <source>Sumó los módulos de k₁a y k₂b: eso solo vale si apuntan en el mismo sentido.</source>
        <translation>You added the magnitudes of k₁a and k₂b: that only works when they point the same way.</translation>
    </message>
    <message>
        <source>Le faltó un término: c suma k₁a y k₂b.</source>
        <translation>You left out a term: c adds k₁a and k₂b.</translation>
    </message>
    <message>
        <source>Dio la resultante en lugar de su opuesta: la equilibrante anula la suma, así que tiene el mismo módulo y sentido contrario.</source>
        <translation>You gave the resultant instead of its opposite: the equilibrant cancels the sum, so it has the same magnitude and the opposite sense.</translation>
    </message>
    <message>
        <source>¡Correcto! Su equilibrante es la opuesta de la resultante: anula la suma de los vectores.</source>
        <translation>Correct! Your equilibrant is the opposite of the resultant: it cancels the sum of the vectors.</translation>
    </message>
    <message>
        <source>Su equilibrante no coincide.</source>
        <translation>Your equilibrant does not match.</translation>
    </message>
    <message>
        <source>suma en vez de resta</source>
        <translation>added instead of subtracted</translation>
    </message>
    <message>
        <source>resta al revés</source>
        <translation>subtracted the wrong way round</translation>
    </message>
    <message>
        <source>coeficiente negativo sin invertir</source>
        <translation>negative coefficient not reversed</translation>
    </message>
    <message>
        <source>ángulo multiplicado por k</source>
        <translation>angle multiplied by k</translation>
    </message>
    <message>
        <source>suma de módulos escalados</source>
        <translation>sum of scaled magnitudes</translation>
    </message>
    <message>
        <source>falta un término</source>
        <translation>a term left out</translation>
    </message>
    <message>
        <source>resultante en vez de equilibrante</source>
        <translation>resultant instead of equilibrant</translation>
    </message>
    <message>
        <source>Su equilibrante: %1 a %2°.</source>
        <translation>Your equilibrant: %1 at %2°.</translation>
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
    <name>Web</name>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Vistas</source>
        <translation>Views</translation>
    </message>
    <message>
        <source>Ajustar</source>
        <translation>Snap</translation>
    </message>
    <message>
        <source>Al arrastrar una punta, el módulo va de 5 en 5 y la dirección de 15 en 15 grados, como con Mayús</source>
        <translation>When dragging a tip, the magnitude moves by 5 and the direction by 15 degrees, as with Shift</translation>
    </message>
    <message>
        <source>Volver a empezar</source>
        <translation>Start again</translation>
    </message>
    <message>
        <source>Suma de vectores en el plano por los métodos del paralelogramo y del polígono. Funciona en el navegador, sin conexión y sin enviar nada a ningún sitio.</source>
        <translation>Vector addition in the plane by the parallelogram and polygon methods. It runs in the browser, offline, and sends nothing anywhere.</translation>
    </message>
    <message>
        <source>Licencia: GNU GPL, versión 3 o posterior</source>
        <translation>Licence: GNU GPL, version 3 or later</translation>
    </message>
    <message>
        <source>Código fuente</source>
        <translation>Source code</translation>
    </message>
    <message>
        <source>Créditos: Equipo Trazalia.</source>
        <translation>Credits: Trazalia Team.</translation>
    </message>
    <message>
        <source>Descargar resultados</source>
        <translation>Download results</translation>
    </message>
    <message>
        <source>Compartir</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Compartir lo que se ve</source>
        <translation>Share what is shown</translation>
    </message>
    <message>
        <source>El enlace abre esta ventana con estos valores, vistas, idioma y ejercicios. Léalo con la cámara de un teléfono o cópielo.</source>
        <translation>The link opens this window with these values, views, language and exercises. Read it with a phone&apos;s camera or copy it.</translation>
    </message>
    <message>
        <source>Enlace</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Copiar enlace</source>
        <translation>Copy link</translation>
    </message>
    <message>
        <source>Enlace copiado.</source>
        <translation>Link copied.</translation>
    </message>
    <message>
        <source>El navegador no dejó copiar: el enlace quedó seleccionado en su casilla; cópielo con Ctrl+C.</source>
        <translation>The browser did not allow copying: the link is selected in its box; copy it with Ctrl+C.</translation>
    </message>
    <message>
        <source>Código QR del enlace</source>
        <translation>QR code of the link</translation>
    </message>
    <message>
        <source>Imagen copiada.</source>
        <translation>Picture copied.</translation>
    </message>
    <message>
        <source>El navegador no dejó copiar la imagen; guárdela como PNG o SVG.</source>
        <translation>The browser did not allow copying the picture; save it as PNG or SVG.</translation>
    </message>
    <message>
        <source>El enlace traía valores que no valen; se abrió lo más cercano: %1.</source>
        <translation>The link held values that are not valid; the nearest was opened: %1.</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Trazalia terminó. Para salir, cierre esta pestaña o esta ventana del navegador.</source>
        <translation>Trazalia has finished. To leave, close this tab or this browser window.</translation>
    </message>
    <message>
        <source>El navegador no guardó el último resultado: su espacio está lleno o no lo permite. Descargue los resultados ahora para no perderlos.</source>
        <translation>The browser did not keep the last result: its storage is full or does not allow it. Download the results now so as not to lose them.</translation>
    </message>
    <message>
        <source>regresa a la ventana de inicio; con un menú abierto, lo cierra</source>
        <translation>returns to the start window; with a menu open, closes it</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Mayús</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Espacio</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Re Pág</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Av Pág</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>End</translation>
    </message>
    <message numerus="yes">
        <source>%n resultado(s) guardado(s) en este navegador</source>
        <translation>
            <numerusform>%n result kept in this browser</numerusform>
            <numerusform>%n results kept in this browser</numerusform>
        </translation>
    </message>
    <message>
        <source>Resumen de la clase</source>
        <translation>Class summary</translation>
    </message>
    <message>
        <source>Suelte aquí los archivos de resultados que descargaron los alumnos, o elíjalos:</source>
        <translation>Drop here the results files the students downloaded, or choose them:</translation>
    </message>
    <message>
        <source>Quitar los archivos</source>
        <translation>Remove the files</translation>
    </message>
    <message>
        <source>Descargar el resumen (CSV)</source>
        <translation>Download the summary (CSV)</translation>
    </message>
    <message>
        <source>%1: el navegador no pudo leer el archivo; vuelva a elegirlo.</source>
        <translation>%1: the browser could not read the file; choose it again.</translation>
    </message>
    <message>
        <source>Por alumno</source>
        <translation>By student</translation>
    </message>
    <message>
        <source>Errores de la clase</source>
        <translation>The class&apos;s mistakes</translation>
    </message>
    <message>
        <source>Alumnos por error</source>
        <translation>Students by mistake</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Intentos</source>
        <translation>Attempts</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>% de aciertos</source>
        <translation>% right</translation>
    </message>
    <message>
        <source>Casi</source>
        <translation>Almost</translation>
    </message>
    <message>
        <source>Saltados</source>
        <translation>Skipped</translation>
    </message>
    <message>
        <source>Sin respuesta</source>
        <translation>No answer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Mistake</translation>
    </message>
    <message>
        <source>Veces</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>% de los intentos</source>
        <translation>% of attempts</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>Máximo para esta pantalla</source>
        <translation>Maximum for this screen</translation>
    </message>
    <message>
        <source>Ampliar</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Reducir</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Tamaño normal</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>Pantalla completa</source>
        <translation>Full screen</translation>
    </message>
</context>
</TS>
