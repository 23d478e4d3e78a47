<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="es">
<context>
    <name>Acciones</name>
    <message>
        <source>Copiar imagen</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation>Salvar imagem…</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Hoja de ejercicios…</source>
        <translation>Folha de exercícios…</translation>
    </message>
    <message>
        <source>No se pudo guardar la imagen</source>
        <translation>Não foi possível salvar a imagem</translation>
    </message>
    <message>
        <source>No se pudo imprimir</source>
        <translation>Não foi possível imprimir</translation>
    </message>
</context>
<context>
    <name>Aplicacion</name>
    <message>
        <source>Ayuda de Trazalia</source>
        <translation>Ajuda do Trazalia</translation>
    </message>
    <message>
        <source>No se pudo completar la acción</source>
        <translation>Não foi possível concluir a ação</translation>
    </message>
    <message>
        <source>No se pudo guardar el veredicto</source>
        <translation>Não foi possível salvar o veredito</translation>
    </message>
</context>
<context>
    <name>Arrastre</name>
    <message>
        <source>Vector %1: magnitud %2, dirección %3°.</source>
        <translation>Vetor %1: módulo %2, direção %3°.</translation>
    </message>
</context>
<context>
    <name>Ayuda</name>
    <message>
        <source>Ayuda de Trazalia</source>
        <translation>Ajuda do Trazalia</translation>
    </message>
    <message>
        <source>Guía de Trazalia</source>
        <translation>Guia do Trazalia</translation>
    </message>
    <message>
        <source>Acerca de Trazalia</source>
        <translation>Sobre o Trazalia</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Trazalia %1&lt;/h3&gt;&lt;p&gt;Suma de vectores en el plano por los métodos del paralelogramo y del polígono.&lt;/p&gt;&lt;p&gt;Licencia: GNU GPL, versión 3 o posterior (GPL-3.0-or-later).&lt;/p&gt;&lt;p&gt;Créditos: Equipo Trazalia. Hecho con Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Trazalia %1&lt;/h3&gt;&lt;p&gt;Soma de vetores no plano pelos métodos do paralelogramo e do polígono.&lt;/p&gt;&lt;p&gt;Licença: GNU GPL, versão 3 ou posterior (GPL-3.0-or-later).&lt;/p&gt;&lt;p&gt;Créditos: Equipe Trazalia. Feito com Qt %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>De %1 a %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>%1: valor exacto</source>
        <translation>%1: valor exato</translation>
    </message>
</context>
<context>
    <name>Exportar</name>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Imagen SVG (*.svg)</source>
        <translation>Imagem SVG (*.svg)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Registro CSV (*.csv)</source>
        <translation>Registro CSV (*.csv)</translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Emblema de Trazalia</source>
        <translation>Emblema do Trazalia</translation>
    </message>
    <message>
        <source>Dos vectores y su resultante, sumados por el método del paralelogramo.</source>
        <translation>Dois vetores e sua resultante, somados pelo método do paralelogramo.</translation>
    </message>
    <message>
        <source>Escuela de Ciencias
Departamento de Física</source>
        <translation>Escola de Ciências
Departamento de Física</translation>
    </message>
    <message>
        <source>Escuela de Ciencias, Departamento de Física</source>
        <translation>Escola de Ciências, Departamento de Física</translation>
    </message>
    <message>
        <source>La escuela y el departamento que presentan Trazalia</source>
        <translation>A escola e o departamento que apresentam o Trazalia</translation>
    </message>
    <message>
        <source>Trazalia</source>
        <translation>Trazalia</translation>
    </message>
    <message>
        <source>El nombre del programa: suma de vectores en el plano</source>
        <translation>O nome do programa: soma de vetores no plano</translation>
    </message>
    <message>
        <source>Equipo Trazalia</source>
        <translation>Equipe Trazalia</translation>
    </message>
    <message>
        <source>Los autores del programa</source>
        <translation>Os autores do programa</translation>
    </message>
    <message>
        <source>Paralelogramo</source>
        <translation>Paralelogramo</translation>
    </message>
    <message>
        <source>Método del paralelogramo</source>
        <translation>Método do paralelogramo</translation>
    </message>
    <message>
        <source>Abre la ventana del método del paralelogramo: dos vectores.</source>
        <translation>Abre a janela do método do paralelogramo: dois vetores.</translation>
    </message>
    <message>
        <source>Polígono</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>Método del polígono</source>
        <translation>Método do polígono</translation>
    </message>
    <message>
        <source>Abre la ventana del método del polígono: tres vectores.</source>
        <translation>Abre a janela do método do polígono: três vetores.</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Salir de Trazalia</source>
        <translation>Sair do Trazalia</translation>
    </message>
    <message>
        <source>Cierra el programa.</source>
        <translation>Fecha o programa.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Diagrama del paralelogramo</source>
        <translation>Diagrama do paralelogramo</translation>
    </message>
    <message>
        <source>Los vectores a escala desde el origen; «Graficar Paralelogramo» añade la figura y la resultante en negro. Botón derecho: copiar o guardar la imagen</source>
        <translation>Os vetores em escala a partir da origem; “Traçar Paralelogramo” acrescenta a figura e a resultante em preto. Botão direito: copiar ou salvar a imagem</translation>
    </message>
    <message>
        <source>Magnitud del vector 1</source>
        <translation>Módulo do vetor 1</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector 1 (rojo): de 0 a 100</source>
        <translation>Módulo do vetor 1 (vermelho): de 0 a 100</translation>
    </message>
    <message>
        <source>Magnitud del vector 2</source>
        <translation>Módulo do vetor 2</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector 2 (azul): de 0 a 100</source>
        <translation>Módulo do vetor 2 (azul): de 0 a 100</translation>
    </message>
    <message>
        <source>Dirección del vector 1 (grados)</source>
        <translation>Direção do vetor 1 (graus)</translation>
    </message>
    <message>
        <source>Dirección del vector 1 (rojo): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direção do vetor 1 (vermelho): de 0° a 360°, o ângulo com o semieixo x positivo, no sentido anti-horário</translation>
    </message>
    <message>
        <source>Dirección del vector 2 (grados)</source>
        <translation>Direção do vetor 2 (graus)</translation>
    </message>
    <message>
        <source>Dirección del vector 2 (azul): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direção do vetor 2 (azul): de 0° a 360°, o ângulo com o semieixo x positivo, no sentido anti-horário</translation>
    </message>
    <message>
        <source>r: magnitud del vector 1</source>
        <translation>r: módulo do vetor 1</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector 1</source>
        <translation>Rótulo do módulo do vetor 1</translation>
    </message>
    <message>
        <source>α: dirección del vector 1</source>
        <translation>α: direção do vetor 1</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector 1</source>
        <translation>Rótulo da direção do vetor 1</translation>
    </message>
    <message>
        <source>r: magnitud del vector 2</source>
        <translation>r: módulo do vetor 2</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector 2</source>
        <translation>Rótulo do módulo do vetor 2</translation>
    </message>
    <message>
        <source>α: dirección del vector 2</source>
        <translation>α: direção do vetor 2</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector 2</source>
        <translation>Rótulo da direção do vetor 2</translation>
    </message>
    <message>
        <source>Valor del módulo del vector 1, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Valor do módulo do vetor 1, de 0 a 100. Clique duplo para digitá-lo</translation>
    </message>
    <message>
        <source>Valor del módulo del vector 2, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Valor do módulo do vetor 2, de 0 a 100. Clique duplo para digitá-lo</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector 1, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Valor da direção do vetor 1, de 0° a 360°. Clique duplo para digitá-lo</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector 2, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Valor da direção do vetor 2, de 0° a 360°. Clique duplo para digitá-lo</translation>
    </message>
    <message>
        <source>r: magnitud de la resultante</source>
        <translation>r: módulo da resultante</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud de la resultante</source>
        <translation>Rótulo do módulo da resultante</translation>
    </message>
    <message>
        <source>Magnitud de la resultante</source>
        <translation>Módulo da resultante</translation>
    </message>
    <message>
        <source>Módulo de la resultante, de 0 a 200, tras «Graficar Paralelogramo»</source>
        <translation>Módulo da resultante, de 0 a 200, após “Traçar Paralelogramo”</translation>
    </message>
    <message>
        <source>α: dirección de la resultante</source>
        <translation>α: direção da resultante</translation>
    </message>
    <message>
        <source>Rótulo de la dirección de la resultante</source>
        <translation>Rótulo da direção da resultante</translation>
    </message>
    <message>
        <source>Dirección de la resultante (grados)</source>
        <translation>Direção da resultante (graus)</translation>
    </message>
    <message>
        <source>Dirección de la resultante: de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario; «Indefinido» si la resultante es nula</source>
        <translation>Direção da resultante: de 0° a 360°, o ângulo com o semieixo x positivo, no sentido anti-horário; “Indefinido” se a resultante for nula</translation>
    </message>
    <message>
        <source>Graficar Paralelogramo</source>
        <translation>Traçar Paralelogramo</translation>
    </message>
    <message>
        <source>Completa el paralelogramo, dibuja la resultante en negro y muestra su magnitud y su dirección.</source>
        <translation>Completa o paralelogramo, desenha a resultante em preto e mostra seu módulo e sua direção.</translation>
    </message>
    <message>
        <source>Regresar</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Regresar al inicio</source>
        <translation>Voltar ao início</translation>
    </message>
    <message>
        <source>Vuelve a la ventana de inicio; esta ventana conserva sus valores.</source>
        <translation>Volta à janela inicial; esta janela guarda seus valores.</translation>
    </message>
    <message>
        <source>Método del Paralelogramo.</source>
        <translation>Método do Paralelogramo.</translation>
    </message>
    <message>
        <source>De la construcción anterior: pulse «Graficar Paralelogramo»</source>
        <translation>Da construção anterior: clique em “Traçar Paralelogramo”</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Diagrama del polígono</source>
        <translation>Diagrama do polígono</translation>
    </message>
    <message>
        <source>Los vectores a escala desde el origen; la barra de pasos los pone punta con cola y dibuja la resultante en negro. Botón derecho: copiar o guardar la imagen</source>
        <translation>Os vetores em escala a partir da origem; a barra de passos os coloca ponta a cauda e desenha a resultante em preto. Botão direito: copiar ou salvar a imagem</translation>
    </message>
    <message>
        <source>Magnitud del vector 1</source>
        <translation>Módulo do vetor 1</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector 1 (rojo): de 0 a 100</source>
        <translation>Módulo do vetor 1 (vermelho): de 0 a 100</translation>
    </message>
    <message>
        <source>Magnitud del vector 2</source>
        <translation>Módulo do vetor 2</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector 2 (azul): de 0 a 100</source>
        <translation>Módulo do vetor 2 (azul): de 0 a 100</translation>
    </message>
    <message>
        <source>Magnitud del vector 3</source>
        <translation>Módulo do vetor 3</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector 3 (verde): de 0 a 100</source>
        <translation>Módulo do vetor 3 (verde): de 0 a 100</translation>
    </message>
    <message>
        <source>Dirección del vector 1 (grados)</source>
        <translation>Direção do vetor 1 (graus)</translation>
    </message>
    <message>
        <source>Dirección del vector 1 (rojo): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direção do vetor 1 (vermelho): de 0° a 360°, o ângulo com o semieixo x positivo, no sentido anti-horário</translation>
    </message>
    <message>
        <source>Dirección del vector 2 (grados)</source>
        <translation>Direção do vetor 2 (graus)</translation>
    </message>
    <message>
        <source>Dirección del vector 2 (azul): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direção do vetor 2 (azul): de 0° a 360°, o ângulo com o semieixo x positivo, no sentido anti-horário</translation>
    </message>
    <message>
        <source>Dirección del vector 3 (grados)</source>
        <translation>Direção do vetor 3 (graus)</translation>
    </message>
    <message>
        <source>Dirección del vector 3 (verde): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direção do vetor 3 (verde): de 0° a 360°, o ângulo com o semieixo x positivo, no sentido anti-horário</translation>
    </message>
    <message>
        <source>Paso de la construcción</source>
        <translation>Passo da construção</translation>
    </message>
    <message>
        <source>Paso de la construcción, de 1 a 7: en los pasos 1 a 6, los tres vectores punta con cola en uno de los seis órdenes; en el paso 7, los seis órdenes a la vez</source>
        <translation>Passo da construção, de 1 a 7: nos passos 1 a 6, os três vetores ponta a cauda em uma das seis ordens; no passo 7, as seis ordens ao mesmo tempo</translation>
    </message>
    <message>
        <source>r: magnitud del vector 1</source>
        <translation>r: módulo do vetor 1</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector 1</source>
        <translation>Rótulo do módulo do vetor 1</translation>
    </message>
    <message>
        <source>r: magnitud del vector 2</source>
        <translation>r: módulo do vetor 2</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector 2</source>
        <translation>Rótulo do módulo do vetor 2</translation>
    </message>
    <message>
        <source>r: magnitud del vector 3</source>
        <translation>r: módulo do vetor 3</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector 3</source>
        <translation>Rótulo do módulo do vetor 3</translation>
    </message>
    <message>
        <source>Valor del módulo del vector 1, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Valor do módulo do vetor 1, de 0 a 100. Clique duplo para digitá-lo</translation>
    </message>
    <message>
        <source>Valor del módulo del vector 2, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Valor do módulo do vetor 2, de 0 a 100. Clique duplo para digitá-lo</translation>
    </message>
    <message>
        <source>Valor del módulo del vector 3, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Valor do módulo do vetor 3, de 0 a 100. Clique duplo para digitá-lo</translation>
    </message>
    <message>
        <source>α: dirección del vector 1</source>
        <translation>α: direção do vetor 1</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector 1</source>
        <translation>Rótulo da direção do vetor 1</translation>
    </message>
    <message>
        <source>α: dirección del vector 2</source>
        <translation>α: direção do vetor 2</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector 2</source>
        <translation>Rótulo da direção do vetor 2</translation>
    </message>
    <message>
        <source>α: dirección del vector 3</source>
        <translation>α: direção do vetor 3</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector 3</source>
        <translation>Rótulo da direção do vetor 3</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector 1, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Valor da direção do vetor 1, de 0° a 360°. Clique duplo para digitá-lo</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector 2, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Valor da direção do vetor 2, de 0° a 360°. Clique duplo para digitá-lo</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector 3, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Valor da direção do vetor 3, de 0° a 360°. Clique duplo para digitá-lo</translation>
    </message>
    <message>
        <source>r: magnitud de la resultante</source>
        <translation>r: módulo da resultante</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud de la resultante</source>
        <translation>Rótulo do módulo da resultante</translation>
    </message>
    <message>
        <source>Magnitud de la resultante</source>
        <translation>Módulo da resultante</translation>
    </message>
    <message>
        <source>Módulo de la resultante, de 0 a 300, al dibujar un paso</source>
        <translation>Módulo da resultante, de 0 a 300, ao desenhar um passo</translation>
    </message>
    <message>
        <source>α: dirección de la resultante</source>
        <translation>α: direção da resultante</translation>
    </message>
    <message>
        <source>Rótulo de la dirección de la resultante</source>
        <translation>Rótulo da direção da resultante</translation>
    </message>
    <message>
        <source>Dirección de la resultante (grados)</source>
        <translation>Direção da resultante (graus)</translation>
    </message>
    <message>
        <source>Dirección de la resultante: de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario; «Indefinido» si la resultante es nula</source>
        <translation>Direção da resultante: de 0° a 360°, o ângulo com o semieixo x positivo, no sentido anti-horário; “Indefinido” se a resultante for nula</translation>
    </message>
    <message>
        <source>Graficar Polígono</source>
        <translation>Traçar Polígono</translation>
    </message>
    <message>
        <source>Rótulo de la barra de pasos, que construye el polígono</source>
        <translation>Rótulo da barra de passos, que constrói o polígono</translation>
    </message>
    <message>
        <source>Paso que muestra el dibujo, de 1 a 7. Doble clic para escribirlo</source>
        <translation>Passo que o desenho mostra, de 1 a 7. Clique duplo para digitá-lo</translation>
    </message>
    <message>
        <source>Regresar</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Regresar al inicio</source>
        <translation>Voltar ao início</translation>
    </message>
    <message>
        <source>Vuelve a la ventana de inicio; esta ventana conserva sus valores.</source>
        <translation>Volta à janela inicial; esta janela guarda seus valores.</translation>
    </message>
    <message>
        <source>Método del Polígono.</source>
        <translation>Método do Polígono.</translation>
    </message>
    <message>
        <source>Paso 7 de 7: los seis órdenes a la vez</source>
        <translation>Passo 7 de 7: as seis ordens ao mesmo tempo</translation>
    </message>
    <message>
        <source>Paso %1 de 7: vectores %2, %3 y %4</source>
        <translation>Passo %1 de 7: vetores %2, %3 e %4</translation>
    </message>
    <message>
        <source>De la construcción anterior: mueva la barra «Graficar Polígono»</source>
        <translation>Da construção anterior: mova a barra “Traçar Polígono”</translation>
    </message>
</context>
<context>
    <name>Hoja</name>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Folha de exercícios</translation>
    </message>
    <message>
        <source>no se pudo generar la hoja</source>
        <translation>não foi possível gerar a folha</translation>
    </message>
    <message>
        <source>Los dos</source>
        <translation>Os dois</translation>
    </message>
    <message>
        <source>Paralelogramo</source>
        <translation>Paralelogramo</translation>
    </message>
    <message>
        <source>Polígono</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>Carta</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>con los vectores dibujados</source>
        <translation>com os vetores desenhados</translation>
    </message>
    <message>
        <source>&amp;Ejercicios:</source>
        <translation>&amp;Exercícios:</translation>
    </message>
    <message>
        <source>&amp;Método:</source>
        <translation>&amp;Método:</translation>
    </message>
    <message>
        <source>&amp;Nivel:</source>
        <translation>&amp;Nível:</translation>
    </message>
    <message>
        <source>&amp;Semilla:</source>
        <translation>&amp;Semente:</translation>
    </message>
    <message>
        <source>&amp;Título:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Papel:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>&amp;Guardar PDF…</source>
        <translation>&amp;Salvar PDF…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Vista previa de la hoja</source>
        <translation>Prévia da folha</translation>
    </message>
    <message>
        <source>No se pudo guardar la hoja</source>
        <translation>Não foi possível salvar a folha</translation>
    </message>
    <message>
        <source>No se pudo imprimir</source>
        <translation>Não foi possível imprimir</translation>
    </message>
    <message>
        <source>La impresora no aceptó la hoja.</source>
        <translation>A impressora não aceitou a folha.</translation>
    </message>
</context>
<context>
    <name>Impresion</name>
    <message>
        <source>La página es demasiado pequeña para el dibujo.</source>
        <translation>A página é pequena demais para o desenho.</translation>
    </message>
    <message>
        <source>La impresora no aceptó el dibujo.</source>
        <translation>A impressora não aceitou o desenho.</translation>
    </message>
</context>
<context>
    <name>Practica</name>
    <message>
        <source>Practicar</source>
        <translation>Praticar</translation>
    </message>
    <message>
        <source>Otro ejercicio</source>
        <translation>Outro exercício</translation>
    </message>
    <message>
        <source>Nivel</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Nombre…</source>
        <translation>Nome…</translation>
    </message>
    <message>
        <source>Guardar resultados…</source>
        <translation>Salvar resultados…</translation>
    </message>
    <message>
        <source>Módulo de tu resultante</source>
        <translation>Módulo da sua resultante</translation>
    </message>
    <message>
        <source>Dirección de tu resultante</source>
        <translation>Direção da sua resultante</translation>
    </message>
    <message>
        <source>Un número mayor que 0, con punto: 87.5</source>
        <translation>Um número maior que 0, com ponto: 87.5</translation>
    </message>
    <message>
        <source>De 0 a 360, con punto: 36.6</source>
        <translation>De 0 a 360, com ponto: 36.6</translation>
    </message>
    <message>
        <source>no se puede leer «%1»: %2</source>
        <translation>não é possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Nombre del alumno, para el registro de resultados:</source>
        <translation>Nome do aluno, para o registro de resultados:</translation>
    </message>
    <message>
        <source>No hay resultados</source>
        <translation>Não há resultados</translation>
    </message>
    <message>
        <source>Todavía no se ha registrado ningún veredicto.</source>
        <translation>Nenhum veredito foi registrado ainda.</translation>
    </message>
    <message>
        <source>No se pudieron guardar los resultados</source>
        <translation>Não foi possível salvar os resultados</translation>
    </message>
</context>
<context>
    <name>Resumen</name>
    <message>
        <source>Intentos: %1; aciertos: %2 (%3 %).</source>
        <translation>Tentativas: %1; acertos: %2 (%3 %).</translation>
    </message>
    <message>
        <source>Por alumno:</source>
        <translation>Por aluno:</translation>
    </message>
    <message>
        <source>(sin nombre)</source>
        <translation>(sem nome)</translation>
    </message>
    <message numerus="yes">
        <source>%n intento(s)</source>
        <translation>
            <numerusform>%n tentativa</numerusform>
            <numerusform>%n tentativas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n acierto(s)</source>
        <translation>
            <numerusform>%n acerto</numerusform>
            <numerusform>%n acertos</numerusform>
        </translation>
    </message>
    <message>
        <source>Errores de la clase:</source>
        <translation>Erros da turma:</translation>
    </message>
    <message>
        <source>%1: %2 (%3 % de los intentos)</source>
        <translation>%1: %2 (%3 % das tentativas)</translation>
    </message>
    <message numerus="yes">
        <source>Líneas que no se pudieron leer: %n</source>
        <translation>
            <numerusform>Linha que não pôde ser lida: %n</numerusform>
            <numerusform>Linhas que não puderam ser lidas: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Trazalia</name>
    <message>
        <source>Indefinido</source>
        <translation>Indefinida</translation>
    </message>
    <message>
        <source>Fácil</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medio</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Difícil</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>¡Correcto! Tu resultante es la suma de los vectores.</source>
        <translation>Correto! A sua resultante é a soma dos vetores.</translation>
    </message>
    <message>
        <source>Sumaste los módulos: eso solo vale para vectores con la misma dirección; suma sus componentes x e y por separado.</source>
        <translation>Você somou os módulos: isso só vale para vetores com a mesma direção; some as componentes x e y separadamente.</translation>
    </message>
    <message>
        <source>Restaste los módulos: eso solo vale para vectores de sentidos opuestos; suma sus componentes x e y por separado.</source>
        <translation>Você subtraiu os módulos: isso só vale para vetores de sentidos opostos; some as componentes x e y separadamente.</translation>
    </message>
    <message>
        <source>Tu resultante apunta al revés: va desde el origen hasta el final de la construcción.</source>
        <translation>A sua resultante aponta ao contrário: ela vai da origem até o final da construção.</translation>
    </message>
    <message>
        <source>Restaste un vector en lugar de sumarlo: cada vector conserva su sentido, y la resultante sale del origen, no une las puntas de los vectores.</source>
        <translation>Você subtraiu um vetor em vez de somá-lo: cada vetor conserva o seu sentido, e a resultante sai da origem, não une as pontas dos vetores.</translation>
    </message>
    <message>
        <source>Mediste el ángulo desde el eje y: la dirección se mide desde el semieje x positivo.</source>
        <translation>Você mediu o ângulo a partir do eixo y: a direção se mede a partir do semieixo x positivo.</translation>
    </message>
    <message>
        <source>Mediste el ángulo en el sentido de las agujas del reloj: la dirección se mide desde el semieje x positivo, en sentido antihorario.</source>
        <translation>Você mediu o ângulo no sentido horário: a direção se mede a partir do semieixo x positivo, no sentido anti-horário.</translation>
    </message>
    <message>
        <source>Promediaste las direcciones: la dirección de la resultante sale de sus componentes Rx y Ry, según el cuadrante.</source>
        <translation>Você tirou a média das direções: a direção da resultante sai das suas componentes Rx e Ry, conforme o quadrante.</translation>
    </message>
    <message>
        <source>Te faltó un vector: la resultante suma los tres, cada uno a continuación del anterior.</source>
        <translation>Faltou um vetor: a resultante soma os três, cada um em seguida do anterior.</translation>
    </message>
    <message>
        <source>Sumaste las componentes sin su signo: una componente hacia la izquierda o hacia abajo es negativa y resta.</source>
        <translation>Você somou as componentes sem o seu sinal: uma componente para a esquerda ou para baixo é negativa e subtrai.</translation>
    </message>
    <message>
        <source>Tu resultante no coincide: suma las componentes x e y de los vectores, y de ellas saca el módulo y la dirección desde el semieje x positivo.</source>
        <translation>A sua resultante não coincide: some as componentes x e y dos vetores e, a partir delas, obtenha o módulo e a direção a partir do semieixo x positivo.</translation>
    </message>
    <message>
        <source>Paso 7 de 7: los seis órdenes a la vez. </source>
        <translation>Passo 7 de 7: as seis ordens ao mesmo tempo. </translation>
    </message>
    <message>
        <source>Paso %1 de 7: los vectores %2, punta con cola. </source>
        <translation>Passo %1 de 7: os vetores %2, ponta a cauda. </translation>
    </message>
    <message>
        <source>Vector %1: %2 a %3°. </source>
        <translation>Vetor %1: %2 a %3°. </translation>
    </message>
    <message>
        <source>Resultante: %1 a %2°. </source>
        <translation>Resultante: %1 a %2°. </translation>
    </message>
    <message>
        <source>Resultante: %1, sin dirección definida. </source>
        <translation>Resultante: %1, sem direção definida. </translation>
    </message>
    <message>
        <source>Con rótulos. </source>
        <translation>Com rótulos. </translation>
    </message>
    <message>
        <source>Componentes: %1. </source>
        <translation>Componentes: %1. </translation>
    </message>
    <message>
        <source>Ecuación: %1. </source>
        <translation>Equação: %1. </translation>
    </message>
    <message>
        <source>Con cuadrícula. </source>
        <translation>Com grade. </translation>
    </message>
    <message>
        <source>Escala %1.</source>
        <translation>Escala %1.</translation>
    </message>
    <message>
        <source>Paso %1. </source>
        <translation>Passo %1. </translation>
    </message>
    <message>
        <source>Resultante: magnitud %1</source>
        <translation>Resultante: módulo %1</translation>
    </message>
    <message>
        <source>, dirección %1°.</source>
        <translation>, direção %1°.</translation>
    </message>
    <message>
        <source>, dirección indefinida.</source>
        <translation>, direção indefinida.</translation>
    </message>
    <message>
        <source>Método del paralelogramo</source>
        <translation>Método do paralelogramo</translation>
    </message>
    <message>
        <source>Método del polígono</source>
        <translation>Método do polígono</translation>
    </message>
    <message>
        <source>Dibuje A y B desde el origen, complete el paralelogramo y trace su diagonal R.</source>
        <translation>Desenhe A e B a partir da origem, complete o paralelogramo e trace sua diagonal R.</translation>
    </message>
    <message>
        <source>Ponga A, B y C punta con cola, en ese orden, y trace R desde el origen hasta la última punta.</source>
        <translation>Coloque A, B e C ponta a cauda, nessa ordem, e trace R da origem até a última ponta.</translation>
    </message>
    <message>
        <source>El paralelogramo de A y B; su diagonal es R = A + B.</source>
        <translation>O paralelogramo de A e B; sua diagonal é R = A + B.</translation>
    </message>
    <message>
        <source>A, B y C punta con cola; R = A + B + C.</source>
        <translation>A, B e C ponta a cauda; R = A + B + C.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 unidades a %3°</source>
        <translation>
            <numerusform>%1: %2 unidade a %3°</numerusform>
            <numerusform>%1: %2 unidades a %3°</numerusform>
        </translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Fecha:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Nivel %1 · semilla %2</source>
        <translation>Nível %1 · semente %2</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Soluções</translation>
    </message>
    <message>
        <source>Ejercicio %1. %2</source>
        <translation>Exercício %1. %2</translation>
    </message>
    <message numerus="yes">
        <source>Escala: 1 cm = %1 unidades</source>
        <translation>
            <numerusform>Escala: 1 cm = %1 unidade</numerusform>
            <numerusform>Escala: 1 cm = %1 unidades</numerusform>
        </translation>
    </message>
    <message>
        <source>Suma de vectores</source>
        <translation>Soma de vetores</translation>
    </message>
    <message>
        <source>Tu resultante: %1 a %2°.</source>
        <translation>Sua resultante: %1 a %2°.</translation>
    </message>
    <message>
        <source>La correcta: %1 a %2°.</source>
        <translation>A correta: %1 a %2°.</translation>
    </message>
    <message>
        <source>La correcta: %1, sin dirección (%2).</source>
        <translation>A correta: %1, sem direção (%2).</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>no existe</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>uma parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <source>permiso denegado</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>el sistema de archivos es de solo lectura</source>
        <translation>o sistema de arquivos é somente leitura</translation>
    </message>
    <message>
        <source>no queda espacio en el dispositivo</source>
        <translation>não há espaço livre no dispositivo</translation>
    </message>
    <message>
        <source>se superó la cuota de disco</source>
        <translation>a cota de disco foi excedida</translation>
    </message>
    <message>
        <source>supera el tamaño máximo de archivo</source>
        <translation>excede o tamanho máximo de arquivo</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>o nome é longo demais</translation>
    </message>
    <message>
        <source>hay demasiados enlaces simbólicos en la ruta</source>
        <translation>há links simbólicos demais no caminho</translation>
    </message>
    <message>
        <source>hay demasiados archivos abiertos</source>
        <translation>há arquivos abertos demais</translation>
    </message>
    <message>
        <source>no queda memoria</source>
        <translation>não há memória livre</translation>
    </message>
    <message>
        <source>está cerrada</source>
        <translation>está fechada</translation>
    </message>
    <message>
        <source>quien leía ya no está</source>
        <translation>quem lia já não está lá</translation>
    </message>
    <message>
        <source>error de entrada/salida</source>
        <translation>erro de entrada/saída</translation>
    </message>
    <message>
        <source>error %1 del sistema</source>
        <translation>erro %1 do sistema</translation>
    </message>
    <message>
        <source>ya existe y no es un archivo normal</source>
        <translation>já existe e não é um arquivo comum</translation>
    </message>
    <message>
        <source>no se pudo escribir entero</source>
        <translation>não pôde ser gravado por inteiro</translation>
    </message>
    <message>
        <source>extensión desconocida (se admiten .png, .svg y .pdf)</source>
        <translation>extensão desconhecida (são aceitas .png, .svg e .pdf)</translation>
    </message>
    <message>
        <source>no se pudo generar el dibujo</source>
        <translation>não foi possível gerar o desenho</translation>
    </message>
    <message>
        <source>no se puede escribir «%1»: %2</source>
        <translation>não é possível gravar “%1”: %2</translation>
    </message>
</context>
<context>
    <name>VentanaMetodo</name>
    <message>
        <source>Diagrama vacío: mueva una barra para dibujar los vectores.</source>
        <translation>Diagrama vazio: mova uma barra para desenhar os vetores.</translation>
    </message>
</context>
<context>
    <name>Vistas</name>
    <message>
        <source>Cuadrícula</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Rótulos</source>
        <translation>Rótulos</translation>
    </message>
    <message>
        <source>Componentes</source>
        <translation>Componentes</translation>
    </message>
    <message>
        <source>Ecuación</source>
        <translation>Equação</translation>
    </message>
    <message>
        <source>Trazo grueso</source>
        <translation>Traço grosso</translation>
    </message>
    <message>
        <source>Colores de alto contraste</source>
        <translation>Cores de alto contraste</translation>
    </message>
    <message>
        <source>Escala fija</source>
        <translation>Escala fixa</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>Máximo para esta pantalla</source>
        <translation>Máximo para esta tela</translation>
    </message>
</context>
</TS>
