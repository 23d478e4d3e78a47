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
    <message>
        <source>Menú del dibujo</source>
        <translation>Menu do desenho</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Deshacer: %1</source>
        <translation>Desfazer: %1</translation>
    </message>
    <message>
        <source>Rehacer: %1</source>
        <translation>Refazer: %1</translation>
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
        <source>&lt;h3&gt;Trazalia %1&lt;/h3&gt;&lt;p&gt;Suma de vectores en el plano por los métodos del paralelogramo y del polígono.&lt;/p&gt;&lt;p&gt;Licencia: GNU GPL, versión 3 o posterior (%3).&lt;/p&gt;&lt;p&gt;Créditos: Equipo Trazalia. Hecho con Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Trazalia %1&lt;/h3&gt;&lt;p&gt;Soma de vetores no plano pelos métodos do paralelogramo e do polígono.&lt;/p&gt;&lt;p&gt;Licença: GNU GPL, versão 3 ou posterior (%3).&lt;/p&gt;&lt;p&gt;Créditos: Equipe Trazalia. Feito com Qt %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Camino</name>
    <message>
        <source>La diagonal del paralelogramo mide menos que los dos lados juntos, salvo con vectores de igual dirección: los módulos no se suman. Mida la diagonal que sale del origen.</source>
        <translation>A diagonal do paralelogramo mede menos que os dois lados juntos, salvo com vetores de mesma direção: os módulos não se somam. Meça a diagonal que sai da origem.</translation>
    </message>
    <message>
        <source>Restar los módulos solo vale con vectores opuestos. La resultante es la diagonal del paralelogramo que sale del origen, y se mide entera.</source>
        <translation>Subtrair os módulos só vale com vetores opostos. A resultante é a diagonal do paralelogramo que sai da origem, e se mede inteira.</translation>
    </message>
    <message>
        <source>La diagonal va del origen, donde nacen los dos vectores, al vértice opuesto: la resultante apunta hacia fuera, como ellos.</source>
        <translation>A diagonal vai da origem, onde nascem os dois vetores, ao vértice oposto: a resultante aponta para fora, como eles.</translation>
    </message>
    <message>
        <source>El paralelogramo tiene dos diagonales: la que une las puntas de los vectores es su diferencia; la suma es la que sale del origen.</source>
        <translation>O paralelogramo tem duas diagonais: a que une as pontas dos vetores é a diferença; a soma é a que sai da origem.</translation>
    </message>
    <message>
        <source>Los lados del polígono solo suman su largo si están alineados; la resultante es el lado que lo cierra, del origen a la última punta.</source>
        <translation>Os lados do polígono só somam seus comprimentos se estiverem alinhados; a resultante é o lado que o fecha, da origem à última ponta.</translation>
    </message>
    <message>
        <source>El lado que cierra el polígono va del origen a la punta del último vector: apunta hacia donde termina la cadena.</source>
        <translation>O lado que fecha o polígono vai da origem à ponta do último vetor: aponta para onde termina a cadeia.</translation>
    </message>
    <message>
        <source>En el polígono cada vector se traslada sin girarlo: si uno queda al revés, se lo resta. Copie cada flecha con su misma dirección.</source>
        <translation>No polígono cada vetor é transladado sem girá-lo: se um fica invertido, ele é subtraído. Copie cada seta com sua mesma direção.</translation>
    </message>
    <message>
        <source>El polígono pone los tres vectores punta con cola; la resultante cierra desde el origen hasta la punta del tercero, no del segundo.</source>
        <translation>O polígono põe os três vetores ponta com cauda; a resultante fecha da origem até a ponta do terceiro, não do segundo.</translation>
    </message>
    <message>
        <source>Los módulos solo se suman si los vectores apuntan igual; si no, la resultante es más corta. Póngalos punta con cola y mida la flecha del origen a la última punta.</source>
        <translation>Os módulos só se somam se os vetores apontam igual; se não, a resultante é mais curta. Ponha-os ponta com cauda e meça a seta da origem à última ponta.</translation>
    </message>
    <message>
        <source>Restar los módulos solo vale con vectores opuestos. Sume los vectores con su dirección: la resultante va del origen a la punta del último.</source>
        <translation>Subtrair os módulos só vale com vetores opostos. Some os vetores com sua direção: a resultante vai da origem à ponta do último.</translation>
    </message>
    <message>
        <source>La resultante sale del origen hacia la punta del último vector, no al revés: apunta hacia donde avanza la cadena.</source>
        <translation>A resultante sai da origem rumo à ponta do último vetor, não ao contrário: aponta para onde avança a cadeia.</translation>
    </message>
    <message>
        <source>Un vector dibujado al revés se resta en lugar de sumarse. Al trasladar cada vector, conserve su dirección y su sentido.</source>
        <translation>Um vetor desenhado ao contrário é subtraído em vez de somado. Ao transladar cada vetor, conserve sua direção e seu sentido.</translation>
    </message>
    <message>
        <source>La dirección se mide desde el eje x positivo; medirla desde el eje y la cambia en 90°. Lea el ángulo entre el eje x y la flecha.</source>
        <translation>A direção se mede a partir do eixo x positivo; medi-la a partir do eixo y a muda em 90°. Leia o ângulo entre o eixo x e a seta.</translation>
    </message>
    <message>
        <source>Los ángulos crecen en sentido antihorario desde el eje x; contarlos en sentido horario da 360° menos el ángulo. Gire del eje x hacia el eje y.</source>
        <translation>Os ângulos crescem no sentido anti-horário a partir do eixo x; contá-los no sentido horário dá 360° menos o ângulo. Gire do eixo x para o eixo y.</translation>
    </message>
    <message>
        <source>La dirección de la resultante no es el promedio de las direcciones: el vector más largo la inclina hacia sí. La da la flecha del origen a la última punta.</source>
        <translation>A direção da resultante não é a média das direções: o vetor mais longo a inclina para si. Quem a dá é a seta da origem à última ponta.</translation>
    </message>
    <message>
        <source>La resultante suma todos los vectores: si uno queda fuera, la cadena termina antes. Ponga cada vector punta con cola antes de trazarla.</source>
        <translation>A resultante soma todos os vetores: se um fica de fora, a cadeia termina antes. Ponha cada vetor ponta com cauda antes de traçá-la.</translation>
    </message>
    <message>
        <source>Una componente hacia la izquierda o hacia abajo es negativa y resta. Sume las componentes con el signo del cuadrante de cada vector.</source>
        <translation>Uma componente para a esquerda ou para baixo é negativa e subtrai. Some as componentes com o sinal do quadrante de cada vetor.</translation>
    </message>
    <message>
        <source>Restar b es sumar −b, de igual módulo y sentido opuesto; sumar b tal cual da a + b. Dé vuelta b antes de ponerlo punta con cola.</source>
        <translation>Subtrair b é somar −b, de mesmo módulo e sentido oposto; somar b tal como está dá a + b. Inverta b antes de pô-lo ponta com cauda.</translation>
    </message>
    <message>
        <source>a − b y b − a tienen igual módulo y sentidos opuestos: el orden importa. Al vector que se resta se le da vuelta; al otro, no.</source>
        <translation>a − b e b − a têm o mesmo módulo e sentidos opostos: a ordem importa. O vetor subtraído é invertido; o outro, não.</translation>
    </message>
    <message>
        <source>Un número negativo alarga o acorta el vector y además lo da vuelta. Dibuje k·v al revés de v cuando k es negativo.</source>
        <translation>Um número negativo alonga ou encurta o vetor e além disso o inverte. Desenhe k·v ao contrário de v quando k é negativo.</translation>
    </message>
    <message>
        <source>k·v está sobre la recta de v: k cambia el módulo, y el sentido si es negativo, pero nunca multiplica el ángulo. Dibuje k₁a sobre la recta de a.</source>
        <translation>k·v está sobre a reta de v: k muda o módulo, e o sentido se for negativo, mas nunca multiplica o ângulo. Desenhe k₁a sobre a reta de a.</translation>
    </message>
    <message>
        <source>|k₁||a| + |k₂||b| solo es el módulo de c si los dos términos apuntan igual. Ponga k₁a y k₂b punta con cola y mida c.</source>
        <translation>|k₁||a| + |k₂||b| só é o módulo de c se os dois termos apontam igual. Ponha k₁a e k₂b ponta com cauda e meça c.</translation>
    </message>
    <message>
        <source>c = k₁a + k₂b suma los dos términos; uno solo deja fuera el otro. Ponga k₂b con su cola en la punta de k₁a y trace c hasta el final.</source>
        <translation>c = k₁a + k₂b soma os dois termos; um só deixa o outro de fora. Ponha a cauda de k₂b na ponta de k₁a e trace c até o fim.</translation>
    </message>
    <message>
        <source>La equilibrante anula la suma: tiene el módulo de la resultante y el sentido opuesto. Construya la resultante y gírela 180°.</source>
        <translation>A equilibrante anula a soma: tem o módulo da resultante e o sentido oposto. Construa a resultante e gire-a 180°.</translation>
    </message>
    <message>
        <source>k₁a: a por k₁, desde el origen; al revés de a si k₁ es negativo.</source>
        <translation>k₁a: a vezes k₁, a partir da origem; ao contrário de a se k₁ for negativo.</translation>
    </message>
    <message>
        <source>k₂b, con su cola en la punta de k₁a; al revés de b si k₂ es negativo.</source>
        <translation>k₂b, com sua cauda na ponta de k₁a; ao contrário de b se k₂ for negativo.</translation>
    </message>
    <message>
        <source>c: del origen a la punta de k₂b.</source>
        <translation>c: da origem à ponta de k₂b.</translation>
    </message>
    <message>
        <source>El primer vector, desde el origen.</source>
        <translation>O primeiro vetor, a partir da origem.</translation>
    </message>
    <message>
        <source>El segundo, desde el mismo origen.</source>
        <translation>O segundo, a partir da mesma origem.</translation>
    </message>
    <message>
        <source>Por la punta de cada uno, una paralela al otro: los lados del paralelogramo.</source>
        <translation>Pela ponta de cada um, uma paralela ao outro: os lados do paralelogramo.</translation>
    </message>
    <message>
        <source>La resultante: la diagonal que sale del origen.</source>
        <translation>A resultante: a diagonal que sai da origem.</translation>
    </message>
    <message>
        <source>Se lee la resultante: mide %1 y apunta a %2°.</source>
        <translation>Lê-se a resultante: mede %1 e aponta para %2°.</translation>
    </message>
    <message>
        <source>La equilibrante: la resultante girada 180°, mide %1 y apunta a %2°.</source>
        <translation>A equilibrante: a resultante girada 180°, mede %1 e aponta para %2°.</translation>
    </message>
    <message>
        <source>El segundo, con su cola en la punta del primero.</source>
        <translation>O segundo, com sua cauda na ponta do primeiro.</translation>
    </message>
    <message>
        <source>El tercero, con su cola en la punta del segundo.</source>
        <translation>O terceiro, com sua cauda na ponta do segundo.</translation>
    </message>
    <message>
        <source>El siguiente, con su cola en la punta del anterior.</source>
        <translation>O seguinte, com sua cauda na ponta do anterior.</translation>
    </message>
    <message>
        <source>La resultante, del origen a la última punta.</source>
        <translation>A resultante, da origem à última ponta.</translation>
    </message>
    <message>
        <source>¿Dónde está el error? Esta construcción tiene uno; elija cuál: %1.</source>
        <translation>Onde está o erro? Esta construção tem um; escolha qual: %1.</translation>
    </message>
    <message>
        <source>Sí: el error es %1.</source>
        <translation>Sim: o erro é %1.</translation>
    </message>
    <message>
        <source>No: el error es %1, no %2.</source>
        <translation>Não: o erro é %1, não %2.</translation>
    </message>
    <message>
        <source>Resta</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Múltiplos</source>
        <translation>Múltiplos</translation>
    </message>
    <message>
        <source>%1 (equilibrante)</source>
        <translation>%1 (equilibrante)</translation>
    </message>
    <message>
        <source>%1 (resultante)</source>
        <translation>%1 (resultante)</translation>
    </message>
</context>
<context>
    <name>Deshacer</name>
    <message>
        <source>Deshecho: %1</source>
        <translation>Desfeito: %1</translation>
    </message>
    <message>
        <source>Rehecho: %1</source>
        <translation>Refeito: %1</translation>
    </message>
    <message>
        <source>mover %1</source>
        <translation>mover %1</translation>
    </message>
    <message>
        <source>escribir %1</source>
        <translation>digitar %1</translation>
    </message>
    <message>
        <source>arrastrar la punta del vector %1</source>
        <translation>arrastar a ponta do vetor %1</translation>
    </message>
    <message>
        <source>activar «%1»</source>
        <translation>ativar “%1”</translation>
    </message>
    <message>
        <source>desactivar «%1»</source>
        <translation>desativar “%1”</translation>
    </message>
</context>
<context>
    <name>Dialogos</name>
    <message>
        <source>Omitir</source>
        <translation>Pular</translation>
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
    <name>Errores</name>
    <message>
        <source>semilla no válida %1: se esperaba un entero de 0 a %2</source>
        <translation>semente inválida %1: esperava-se um número inteiro de 0 a %2</translation>
    </message>
    <message>
        <source>magnitud no válida %1: se esperaba un número como %2</source>
        <translation>módulo inválido %1: esperava-se um número como %2</translation>
    </message>
    <message>
        <source>dirección no válida %1: se esperaba un número como %2</source>
        <translation>direção inválida %1: esperava-se um número como %2</translation>
    </message>
    <message>
        <source>magnitud fuera de rango %1: va de 0 a %2</source>
        <translation>módulo fora do intervalo %1: vai de 0 a %2</translation>
    </message>
    <message>
        <source>dirección fuera de rango %1: va de 0 a %2</source>
        <translation>direção fora do intervalo %1: vai de 0 a %2</translation>
    </message>
    <message>
        <source>Eso no se puede hacer aquí.</source>
        <translation>Isso não pode ser feito aqui.</translation>
    </message>
    <message>
        <source>Trazalia ya se cerró.</source>
        <translation>O Trazalia já foi fechado.</translation>
    </message>
    <message>
        <source>Abra la ventana del paralelogramo.</source>
        <translation>Abra a janela do paralelogramo.</translation>
    </message>
    <message>
        <source>Abra la ventana del polígono.</source>
        <translation>Abra a janela do polígono.</translation>
    </message>
    <message>
        <source>Abra la ventana de inicio.</source>
        <translation>Abra a janela inicial.</translation>
    </message>
    <message>
        <source>%1 no recibe el teclado ahora.</source>
        <translation>%1 não recebe o teclado agora.</translation>
    </message>
    <message>
        <source>La ventana de inicio no tiene práctica.</source>
        <translation>A janela inicial não tem prática.</translation>
    </message>
    <message>
        <source>Active primero la práctica: «Practicar» (P).</source>
        <translation>Ative primeiro a prática: “Praticar” (P).</translation>
    </message>
    <message>
        <source>Este ejercicio ya está resuelto: «Otro ejercicio» (N) da otro.</source>
        <translation>Este exercício já está resolvido: “Outro exercício” (N) dá outro.</translation>
    </message>
    <message>
        <source>Esa tecla no hace nada aquí.</source>
        <translation>Essa tecla não faz nada aqui.</translation>
    </message>
    <message>
        <source>«%1» no está disponible aquí.</source>
        <translation>“%1” não está disponível aqui.</translation>
    </message>
    <message>
        <source>%1 no es un número entero.</source>
        <translation>%1 não é um número inteiro.</translation>
    </message>
    <message>
        <source>%1 no vale: %2 va de %3 a %4.</source>
        <translation>%1 não serve: %2 vai de %3 a %4.</translation>
    </message>
    <message>
        <source>%1 no vale. %2</source>
        <translation>%1 não serve. %2</translation>
    </message>
    <message>
        <source>%1 no recibe un valor ahora.</source>
        <translation>%1 não recebe um valor agora.</translation>
    </message>
    <message>
        <source>No hay nada que deshacer.</source>
        <translation>Não há nada para desfazer.</translation>
    </message>
    <message>
        <source>No hay nada que rehacer.</source>
        <translation>Não há nada para refazer.</translation>
    </message>
    <message>
        <source>Esta ventana no tiene práctica.</source>
        <translation>Esta janela não tem prática.</translation>
    </message>
    <message>
        <source>La equilibrante se pide en las ventanas que suman vectores.</source>
        <translation>A equilibrante é pedida nas janelas que somam vetores.</translation>
    </message>
    <message>
        <source>El camino guardado no se puede retomar en esta ventana; empiece uno nuevo.</source>
        <translation>O caminho salvo não pode ser retomado nesta janela; comece um novo.</translation>
    </message>
    <message>
        <source>La construcción se muestra paso a paso después de un error en el camino.</source>
        <translation>A construção é mostrada passo a passo depois de um erro no caminho.</translation>
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
    <message>
        <source>Resta y múltiplos</source>
        <translation>Subtração e múltiplos</translation>
    </message>
    <message>
        <source>Resta y múltiplos de vectores</source>
        <translation>Subtração e múltiplos de vetores</translation>
    </message>
    <message>
        <source>Abre la ventana de resta y múltiplos: c = k₁a + k₂b, con a − b de un toque.</source>
        <translation>Abre a janela de subtração e múltiplos: c = k₁a + k₂b, com a − b num clique.</translation>
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
    <name>Form4</name>
    <message>
        <source>Diagrama de la combinación</source>
        <translation>Diagrama da combinação</translation>
    </message>
    <message>
        <source>Los vectores a y b a escala desde el origen; «Graficar c» añade k₁a y k₂b punta con cola y la resultante c en negro. Botón derecho: copiar o guardar la imagen</source>
        <translation>Os vetores a e b em escala a partir da origem; “Traçar c” acrescenta k₁a e k₂b ponta com cauda e a resultante c em preto. Botão direito: copiar ou salvar a imagem</translation>
    </message>
    <message>
        <source>|a|: magnitud del vector a</source>
        <translation>|a|: módulo do vetor a</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector a</source>
        <translation>Rótulo do módulo do vetor a</translation>
    </message>
    <message>
        <source>Magnitud del vector a</source>
        <translation>Módulo do vetor a</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector a (rojo): de 0 a 100</source>
        <translation>Módulo do vetor a (vermelho): de 0 a 100</translation>
    </message>
    <message>
        <source>Valor del módulo del vector a, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Valor do módulo do vetor a, de 0 a 100. Clique duas vezes para digitá-lo</translation>
    </message>
    <message>
        <source>α: dirección del vector a</source>
        <translation>α: direção do vetor a</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector a</source>
        <translation>Rótulo da direção do vetor a</translation>
    </message>
    <message>
        <source>Dirección del vector a (grados)</source>
        <translation>Direção do vetor a (graus)</translation>
    </message>
    <message>
        <source>Dirección del vector a (rojo): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direção do vetor a (vermelho): de 0° a 360°, o ângulo com o semieixo x positivo, no sentido anti-horário</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector a, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Valor da direção do vetor a, de 0° a 360°. Clique duas vezes para digitá-lo</translation>
    </message>
    <message>
        <source>|b|: magnitud del vector b</source>
        <translation>|b|: módulo do vetor b</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud del vector b</source>
        <translation>Rótulo do módulo do vetor b</translation>
    </message>
    <message>
        <source>Magnitud del vector b</source>
        <translation>Módulo do vetor b</translation>
    </message>
    <message>
        <source>Módulo (magnitud) del vector b (azul): de 0 a 100</source>
        <translation>Módulo do vetor b (azul): de 0 a 100</translation>
    </message>
    <message>
        <source>Valor del módulo del vector b, de 0 a 100. Doble clic para escribirlo</source>
        <translation>Valor do módulo do vetor b, de 0 a 100. Clique duas vezes para digitá-lo</translation>
    </message>
    <message>
        <source>α: dirección del vector b</source>
        <translation>α: direção do vetor b</translation>
    </message>
    <message>
        <source>Rótulo de la dirección del vector b</source>
        <translation>Rótulo da direção do vetor b</translation>
    </message>
    <message>
        <source>Dirección del vector b (grados)</source>
        <translation>Direção do vetor b (graus)</translation>
    </message>
    <message>
        <source>Dirección del vector b (azul): de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario</source>
        <translation>Direção do vetor b (azul): de 0° a 360°, o ângulo com o semieixo x positivo, no sentido anti-horário</translation>
    </message>
    <message>
        <source>Valor de la dirección del vector b, de 0° a 360°. Doble clic para escribirlo</source>
        <translation>Valor da direção do vetor b, de 0° a 360°. Clique duas vezes para digitá-lo</translation>
    </message>
    <message>
        <source>k₁: coeficiente del vector a</source>
        <translation>k₁: coeficiente do vetor a</translation>
    </message>
    <message>
        <source>Rótulo del coeficiente del vector a</source>
        <translation>Rótulo do coeficiente do vetor a</translation>
    </message>
    <message>
        <source>Coeficiente k₁ del vector a</source>
        <translation>Coeficiente k₁ do vetor a</translation>
    </message>
    <message>
        <source>Coeficiente k₁ que multiplica al vector a: de −5 a 5, de medio en medio; negativo, invierte el sentido</source>
        <translation>Coeficiente k₁ que multiplica o vetor a: de −5 a 5, de meio em meio; negativo, inverte o sentido</translation>
    </message>
    <message>
        <source>Valor del coeficiente k₁, de −5 a 5. Doble clic para escribirlo</source>
        <translation>Valor do coeficiente k₁, de −5 a 5. Clique duas vezes para digitá-lo</translation>
    </message>
    <message>
        <source>k₂: coeficiente del vector b</source>
        <translation>k₂: coeficiente do vetor b</translation>
    </message>
    <message>
        <source>Rótulo del coeficiente del vector b</source>
        <translation>Rótulo do coeficiente do vetor b</translation>
    </message>
    <message>
        <source>Coeficiente k₂ del vector b</source>
        <translation>Coeficiente k₂ do vetor b</translation>
    </message>
    <message>
        <source>Coeficiente k₂ que multiplica al vector b: de −5 a 5, de medio en medio; negativo, invierte el sentido</source>
        <translation>Coeficiente k₂ que multiplica o vetor b: de −5 a 5, de meio em meio; negativo, inverte o sentido</translation>
    </message>
    <message>
        <source>Valor del coeficiente k₂, de −5 a 5. Doble clic para escribirlo</source>
        <translation>Valor do coeficiente k₂, de −5 a 5. Clique duas vezes para digitá-lo</translation>
    </message>
    <message>
        <source>a − b</source>
        <translation>a − b</translation>
    </message>
    <message>
        <source>Restar: a − b</source>
        <translation>Subtrair: a − b</translation>
    </message>
    <message>
        <source>Pone k₁ = 1 y k₂ = −1: la resta a − b es la suma de a y el opuesto de b.</source>
        <translation>Põe k₁ = 1 e k₂ = −1: a − b é a soma de a com o oposto de b.</translation>
    </message>
    <message>
        <source>Graficar c</source>
        <translation>Traçar c</translation>
    </message>
    <message>
        <source>Dibuja k₁a y k₂b punta con cola y la resultante c = k₁a + k₂b en negro, y muestra su magnitud y su dirección.</source>
        <translation>Desenha k₁a e k₂b ponta com cauda e a resultante c = k₁a + k₂b em preto, e mostra seu módulo e sua direção.</translation>
    </message>
    <message>
        <source>|c|: magnitud de la resultante</source>
        <translation>|c|: módulo da resultante</translation>
    </message>
    <message>
        <source>Rótulo de la magnitud de la resultante c</source>
        <translation>Rótulo do módulo da resultante c</translation>
    </message>
    <message>
        <source>Magnitud de la resultante</source>
        <translation>Módulo da resultante</translation>
    </message>
    <message>
        <source>Módulo de la resultante c, de 0 a 1000, tras «Graficar c»</source>
        <translation>Módulo da resultante c, de 0 a 1000, após “Traçar c”</translation>
    </message>
    <message>
        <source>α: dirección de la resultante</source>
        <translation>α: direção da resultante</translation>
    </message>
    <message>
        <source>Rótulo de la dirección de la resultante c</source>
        <translation>Rótulo da direção da resultante c</translation>
    </message>
    <message>
        <source>Dirección de la resultante (grados)</source>
        <translation>Direção da resultante (graus)</translation>
    </message>
    <message>
        <source>Dirección de la resultante c: de 0° a 360°, el ángulo con el semieje x positivo, en sentido antihorario; «Indefinido» si la resultante es nula</source>
        <translation>Direção da resultante c: de 0° a 360°, o ângulo com o semieixo x positivo, no sentido anti-horário; “Indefinido” se a resultante for nula</translation>
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
        <source>Resta y múltiplos de vectores</source>
        <translation>Subtração e múltiplos de vetores</translation>
    </message>
    <message>
        <source>De la construcción anterior: pulse «Graficar c»</source>
        <translation>Da construção anterior: clique em “Traçar c”</translation>
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
    <message>
        <source>E&amp;xportar a Moodle…</source>
        <translation>E&amp;xportar para o Moodle…</translation>
    </message>
    <message>
        <source>No se pudo exportar a Moodle</source>
        <translation>Não foi possível exportar para o Moodle</translation>
    </message>
    <message>
        <source>Cloze: una pregunta con dos huecos</source>
        <translation>Cloze: uma pergunta com duas lacunas</translation>
    </message>
    <message>
        <source>Numéricas: dos preguntas, con estadísticas</source>
        <translation>Numéricas: duas perguntas, com estatísticas</translation>
    </message>
    <message>
        <source>&amp;Formato de Moodle:</source>
        <translation>&amp;Formato do Moodle:</translation>
    </message>
    <message>
        <source>hoja</source>
        <translation>folha</translation>
    </message>
    <message>
        <source>Guardar la hoja</source>
        <translation>Salvar a folha</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exportar a Moodle</source>
        <translation>Exportar para o Moodle</translation>
    </message>
    <message>
        <source>Banco de preguntas de Moodle (*.xml)</source>
        <translation>Banco de questões do Moodle (*.xml)</translation>
    </message>
    <message>
        <source>El banco pasa de 2 MB, lo más que Moodle importa de una vez: se escribió en %1 archivos, %2, para importarlos uno tras otro.</source>
        <translation>O banco passa de 2 MB, o máximo que o Moodle importa de uma vez: foi escrito em %1 arquivos, %2, para importá-los um após o outro.</translation>
    </message>
    <message>
        <source>La equilibrante, en los dos</source>
        <translation>A equilibrante, nos dois</translation>
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
    <name>Opciones</name>
    <message>
        <source>ARCHIVO</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>Realiza las acciones de ARCHIVO (- para la entrada estándar).</source>
        <translation>Realiza as ações de ARQUIVO (- para a entrada padrão).</translation>
    </message>
    <message>
        <source>ARCHIVO.pdf</source>
        <translation>ARQUIVO.pdf</translation>
    </message>
    <message>
        <source>Escribe una hoja de ejercicios con sus soluciones, con:</source>
        <translation>Escreve uma folha de exercícios com suas soluções, com:</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>cuántos ejercicios (de 1 a 200; 6 si no se dice);</source>
        <translation>quantos exercícios (de 1 a 200; 6 se não for dito);</translation>
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
        <translation>facil, medio ou dificil (medio se não for dito);</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>la semilla de los ejercicios (la del reloj si no se dice);</source>
        <translation>a semente dos exercícios (a do relógio se não for dita);</translation>
    </message>
    <message>
        <source>TEXTO</source>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>el título de cada página;</source>
        <translation>o título de cada página;</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>a4 o carta (a4 si no se dice);</source>
        <translation>a4 ou carta (a4 se não for dito);</translation>
    </message>
    <message>
        <source>con los vectores dibujados en cada cuadro.</source>
        <translation>com os vetores desenhados em cada quadro.</translation>
    </message>
    <message>
        <source>Con --script, añade a ARCHIVO cada veredicto de la práctica.</source>
        <translation>Com --script, acrescenta a ARQUIVO cada veredito da prática.</translation>
    </message>
    <message>
        <source>Abre el programa con la práctica activa en ambos métodos.</source>
        <translation>Abre o programa com a prática ativa nos dois métodos.</translation>
    </message>
    <message>
        <source>ARCHIVO...</source>
        <translation>ARQUIVO...</translation>
    </message>
    <message>
        <source>Resume los registros de práctica de una clase; con --csv,
en CSV.</source>
        <translation>Resume os registros de prática de uma turma; com --csv,
em CSV.</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>El idioma de las ventanas: es (español), en (inglés) o pt_BR
(portugués de Brasil). En pantalla, el del sistema si lo
habla Trazalia; con --script y --hoja, español.</source>
        <translation>O idioma das janelas: es (espanhol), en (inglês) ou pt_BR
(português do Brasil). Na tela, o do sistema se o
Trazalia o fala; com --script e --hoja, espanhol.</translation>
    </message>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Mostra esta ajuda e termina.</translation>
    </message>
    <message>
        <source>Muestra la versión y termina.</source>
        <translation>Mostra a versão e termina.</translation>
    </message>
    <message>
        <source>[--registro ARCHIVO]</source>
        <translation>[--registro ARQUIVO]</translation>
    </message>
    <message>
        <source>[OPCIONES DE LA HOJA]</source>
        <translation>[OPÇÕES DA FOLHA]</translation>
    </message>
    <message>
        <source>Uso:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Trazalia: suma de vectores en el plano por los métodos del paralelogramo y del polígono.</source>
        <translation>Trazalia: soma de vetores no plano pelos métodos do paralelogramo e do polígono.</translation>
    </message>
    <message>
        <source>Con --script, realiza las acciones de ARCHIVO sin pantalla y escribe la traza de cada
operación de dibujo en la salida estándar.</source>
        <translation>Com --script, realiza as ações de ARQUIVO sem tela e escreve o rastro de cada
operação de desenho na saída padrão.</translation>
    </message>
    <message>
        <source>Opciones:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Acepta también las opciones comunes de Qt, como -platform NOMBRE o -style NOMBRE.</source>
        <translation>Aceita também as opções comuns do Qt, como -platform NOME ou -style NOME.</translation>
    </message>
    <message>
        <source>ARCHIVO.xml</source>
        <translation>ARQUIVO.xml</translation>
    </message>
    <message>
        <source>Escribe los ejercicios de la hoja como banco de preguntas
de Moodle, con las opciones de la hoja salvo --papel y
--dibujados, y con:</source>
        <translation>Escreve os exercícios da folha como banco de questões
do Moodle, com as opções da folha exceto --papel e
--dibujados, e com:</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>cloze (una pregunta con dos huecos) o numerico (dos
preguntas, que las estadísticas de Moodle analizan);
cloze si no se dice.</source>
        <translation>cloze (uma pergunta com duas lacunas) ou numerico (duas
perguntas, que as estatísticas do Moodle analisam);
cloze se não for dito.</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1: la hoja se escribe en PDF; use un nombre terminado en .pdf</source>
        <translation>%1: a folha é escrita em PDF; use um nome terminado em .pdf</translation>
    </message>
    <message>
        <source>%1: el banco de preguntas se escribe en XML; use un nombre terminado en .xml</source>
        <translation>%1: o banco de questões é escrito em XML; use um nome terminado em .xml</translation>
    </message>
    <message>
        <source>--ejercicios va de 1 a %1, no %2</source>
        <translation>--ejercicios vai de 1 a %1, não %2</translation>
    </message>
    <message>
        <source>nivel desconocido %1: se esperaba facil, medio o dificil</source>
        <translation>nível desconhecido %1: esperava-se facil, medio ou dificil</translation>
    </message>
    <message>
        <source>semilla no válida %1: se esperaba un número de 0 a %2</source>
        <translation>semente inválida %1: esperava-se um número de 0 a %2</translation>
    </message>
    <message>
        <source>papel desconocido %1: se esperaba a4 o carta</source>
        <translation>papel desconhecido %1: esperava-se a4 ou carta</translation>
    </message>
    <message>
        <source>formato desconocido %1: se esperaba cloze o numerico</source>
        <translation>formato desconhecido %1: esperava-se cloze ou numerico</translation>
    </message>
    <message>
        <source>el nombre del registro %1 no es texto UTF-8; elija otro nombre</source>
        <translation>o nome do registro %1 não é texto UTF-8; escolha outro nome</translation>
    </message>
    <message>
        <source>idioma desconocido %1: se esperaba es, en o pt_BR</source>
        <translation>idioma desconhecido %1: esperava-se es, en ou pt_BR</translation>
    </message>
    <message>
        <source>--practica abre las ventanas: no va con --script, --hoja ni --moodle</source>
        <translation>--practica abre as janelas: não vai com --script, --hoja nem --moodle</translation>
    </message>
    <message>
        <source>--hoja y --script no van juntas</source>
        <translation>--hoja e --script não vão juntas</translation>
    </message>
    <message>
        <source>--moodle y --script no van juntas</source>
        <translation>--moodle e --script não vão juntas</translation>
    </message>
    <message>
        <source>--resumen va sola, con sus archivos y --csv</source>
        <translation>--resumen vai sozinha, com seus arquivos e --csv</translation>
    </message>
    <message>
        <source>%1 o %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>falta el %1 de la opción %2</source>
        <translation>falta o %1 da opção %2</translation>
    </message>
    <message>
        <source>falta el valor de la opción %1</source>
        <translation>falta o valor da opção %1</translation>
    </message>
    <message>
        <source>la opción %1 no lleva valor</source>
        <translation>a opção %1 não leva valor</translation>
    </message>
    <message>
        <source>opción desconocida %1; «trazalia --help» muestra las opciones</source>
        <translation>opção desconhecida %1; “trazalia --help” mostra as opções</translation>
    </message>
    <message>
        <source>la opción %1 se ha dado %2 veces; se admite una sola</source>
        <translation>a opção %1 foi dada %2 vezes; só se admite uma</translation>
    </message>
    <message>
        <source>%1 y %2 no van juntas</source>
        <translation>%1 e %2 não vão juntas</translation>
    </message>
    <message>
        <source>argumento inesperado %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>la opción %1 va con %2</source>
        <translation>a opção %1 vai com %2</translation>
    </message>
    <message>
        <source>método desconocido %1: se esperaba %2</source>
        <translation>método desconhecido %1: esperava-se %2</translation>
    </message>
    <message>
        <source>%1
(equilibrante: la de los métodos que suman; ambos si no se dice);</source>
        <translation>%1
(equilibrante: a dos métodos que somam; ambos se não for dito);</translation>
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
    <message>
        <source>Módulo de su resultante</source>
        <translation>Módulo da sua resultante</translation>
    </message>
    <message>
        <source>Dirección de su resultante</source>
        <translation>Direção da sua resultante</translation>
    </message>
    <message>
        <source>De 0 a %1, con punto: 87.5</source>
        <translation>De 0 a %1, com ponto: 87.5</translation>
    </message>
    <message>
        <source>El ejercicio no cambia hasta comprobarlo: pulse Intro en el dibujo o elija «Comprobar» en su menú.</source>
        <translation>O exercício não muda até ser conferido: pressione Enter no desenho ou escolha “Conferir” no menu dele.</translation>
    </message>
    <message>
        <source>Falta la dirección α de su resultante.</source>
        <translation>Falta a direção α da sua resultante.</translation>
    </message>
    <message>
        <source>Falta el módulo r de su resultante.</source>
        <translation>Falta o módulo r da sua resultante.</translation>
    </message>
    <message>
        <source>Arrastre desde el origen su resultante, o escriba r y α.</source>
        <translation>Arraste sua resultante a partir da origem, ou digite r e α.</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Equilibrante</source>
        <translation>Equilibrante</translation>
    </message>
    <message>
        <source>Falta la dirección α de su equilibrante.</source>
        <translation>Falta a direção α da sua equilibrante.</translation>
    </message>
    <message>
        <source>Falta el módulo r de su equilibrante.</source>
        <translation>Falta o módulo r da sua equilibrante.</translation>
    </message>
    <message>
        <source>Arrastre desde el origen la equilibrante, o escriba r y α.</source>
        <translation>Arraste a equilibrante a partir da origem, ou digite r e α.</translation>
    </message>
    <message>
        <source>Camino</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>dominada</source>
        <translation>dominada</translation>
    </message>
    <message>
        <source>Ver la construcción paso a paso</source>
        <translation>Ver a construção passo a passo</translation>
    </message>
    <message>
        <source>¿Dónde está el error?</source>
        <translation>Onde está o erro?</translation>
    </message>
    <message>
        <source>Camino por todas las ventanas</source>
        <translation>Caminho por todas as janelas</translation>
    </message>
    <message>
        <source>Ningún error que mostrar</source>
        <translation>Nenhum erro para mostrar</translation>
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
    <message>
        <source>Alumnos por error:</source>
        <translation>Alunos por erro:</translation>
    </message>
    <message numerus="yes">
        <source>%n vez/veces</source>
        <translation>
            <numerusform>%n vez</numerusform>
            <numerusform>%n vezes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>y %n más</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Casi: %1 (%2 % de los intentos).</source>
        <translation>Quase: %1 (%2 % das tentativas).</translation>
    </message>
    <message>
        <source>Sin comprobar: %1, %2.</source>
        <translation>Sem verificar: %1, %2.</translation>
    </message>
    <message>
        <source>%1: ya se leyó; no se cuenta dos veces</source>
        <translation>%1: já foi lido; não é contado duas vezes</translation>
    </message>
    <message>
        <source>%1: ninguna línea es un registro de la práctica</source>
        <translation>%1: nenhuma linha é um registro da prática</translation>
    </message>
    <message numerus="yes">
        <source>%n saltado(s)</source>
        <translation>
            <numerusform>%n pulado</numerusform>
            <numerusform>%n pulados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sin respuesta</source>
        <translation>
            <numerusform>%n sem resposta</numerusform>
            <numerusform>%n sem resposta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n casi</source>
        <translation>
            <numerusform>%n quase</numerusform>
            <numerusform>%n quase</numerusform>
        </translation>
    </message>
    <message>
        <source>Camino por alumno:</source>
        <translation>Caminho por aluno:</translation>
    </message>
    <message>
        <source>dominada</source>
        <translation>dominada</translation>
    </message>
    <message>
        <source>vuelven: %1</source>
        <translation>voltam: %1</translation>
    </message>
    <message>
        <source>Vuelven</source>
        <translation>Voltam</translation>
    </message>
</context>
<context>
    <name>Teclas</name>
    <message>
        <source>sobre el dibujo, en la práctica</source>
        <translation>sobre o desenho, na prática</translation>
    </message>
    <message>
        <source>sobre el dibujo</source>
        <translation>sobre o desenho</translation>
    </message>
    <message>
        <source>pasan de un control a otro</source>
        <translation>passam de um controle a outro</translation>
    </message>
    <message>
        <source>bajan el valor de la barra que tiene el foco: de 1 en 1 con las flechas, de 5 en 5 con las teclas de página (de 1 en 1 la barra de pasos)</source>
        <translation>diminuem o valor da barra que tem o foco: de 1 em 1 com as setas, de 5 em 5 com as teclas de página (de 1 em 1 na barra de passos)</translation>
    </message>
    <message>
        <source>lo suben</source>
        <translation>aumentam-no</translation>
    </message>
    <message>
        <source>llevan la barra al mínimo y al máximo</source>
        <translation>levam a barra ao mínimo e ao máximo</translation>
    </message>
    <message>
        <source>0 a 9</source>
        <translation>0 a 9</translation>
    </message>
    <message>
        <source>sobre una barra, abren un editor para escribir el valor exacto: Intro lo fija, Esc lo cancela; un valor fuera del intervalo se rechaza. Un doble clic en la casilla del valor abre el mismo editor</source>
        <translation>sobre uma barra, abrem um editor para digitar o valor exato: Enter o fixa, Esc o cancela; um valor fora do intervalo é recusado. Um clique duplo na caixa do valor abre o mesmo editor</translation>
    </message>
    <message>
        <source>pulsan el botón que tiene el foco</source>
        <translation>apertam o botão que tem o foco</translation>
    </message>
    <message>
        <source>regresa a la ventana de inicio (en pantalla completa, primero sale de ella)</source>
        <translation>volta à janela inicial (em tela cheia, primeiro sai dela)</translation>
    </message>
    <message>
        <source>%1+rueda del ratón</source>
        <translation>%1+roda do mouse</translation>
    </message>
    <message>
        <source>amplía o reduce las ventanas</source>
        <translation>amplia ou reduz as janelas</translation>
    </message>
    <message>
        <source>abre el menú del dibujo, como el botón derecho del ratón</source>
        <translation>abre o menu do desenho, como o botão direito do mouse</translation>
    </message>
    <message>
        <source>arrastrar una punta</source>
        <translation>arrastar uma ponta</translation>
    </message>
    <message>
        <source>sobre el dibujo, el módulo y la dirección del vector siguen al puntero; con %2, de 5 en 5 y de 15 en 15 grados</source>
        <translation>sobre o desenho, o módulo e a direção do vetor seguem o ponteiro; com %2, de 5 em 5 e de 15 em 15 graus</translation>
    </message>
    <message>
        <source>arrastrar desde el origen</source>
        <translation>arrastar a partir da origem</translation>
    </message>
    <message>
        <source>en la práctica, dibuja su resultante</source>
        <translation>na prática, desenha a sua resultante</translation>
    </message>
    <message>
        <source>0 a 9 sobre r o α</source>
        <translation>0 a 9 sobre r ou α</translation>
    </message>
    <message>
        <source>en la práctica, abren un editor para escribir su resultante por partes: el módulo en r y la dirección en α</source>
        <translation>na prática, abrem um editor para digitar a sua resultante por partes: o módulo em r e a direção em α</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Vista del dibujo: %1</source>
        <translation>Vista do desenho: %1</translation>
    </message>
    <message>
        <source>en un camino, tras un error</source>
        <translation>num caminho, após um erro</translation>
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
    <message>
        <source>la carpeta no admite archivos nuevos</source>
        <translation>a pasta não aceita arquivos novos</translation>
    </message>
    <message>
        <source>es un dispositivo, no un archivo</source>
        <translation>é um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>no se puede bloquear «%1»: %2</source>
        <translation>não é possível bloquear “%1”: %2</translation>
    </message>
    <message>
        <source>Mida r y α sobre su dibujo: se aceptan ±1 mm y ±1° de diferencia.</source>
        <translation>Meça r e α no seu desenho: aceitam-se diferenças de ±1 mm e ±1°.</translation>
    </message>
    <message>
        <source>medida: %1 cm ± 1 mm</source>
        <translation>medida: %1 cm ± 1 mm</translation>
    </message>
    <message>
        <source>medida: %1° ± 1°</source>
        <translation>medida: %1° ± 1°</translation>
    </message>
    <message>
        <source>Dibuje el paralelogramo que tiene los dos vectores por lados: la resultante es su diagonal desde el origen.</source>
        <translation>Desenhe o paralelogramo que tem os dois vetores como lados: a resultante é a sua diagonal a partir da origem.</translation>
    </message>
    <message>
        <source>Ponga los vectores punta con cola, cada uno donde termina el anterior: la resultante va del origen a la última punta.</source>
        <translation>Coloque os vetores ponta a cauda, cada um onde termina o anterior: a resultante vai da origem até a última ponta.</translation>
    </message>
    <message>
        <source>¡Correcto! Su resultante es la suma de los vectores.</source>
        <translation>Correto! A sua resultante é a soma dos vetores.</translation>
    </message>
    <message>
        <source>Sumó los módulos: eso solo vale para vectores con la misma dirección y el mismo sentido.</source>
        <translation>Você somou os módulos: isso só vale para vetores com a mesma direção e o mesmo sentido.</translation>
    </message>
    <message>
        <source>Restó los módulos: eso solo vale para vectores con la misma dirección y sentidos opuestos.</source>
        <translation>Você subtraiu os módulos: isso só vale para vetores com a mesma direção e sentidos opostos.</translation>
    </message>
    <message>
        <source>Su resultante apunta al revés.</source>
        <translation>A sua resultante aponta ao contrário.</translation>
    </message>
    <message>
        <source>La correcta sale del origen y recorre la diagonal del paralelogramo hasta el vértice opuesto.</source>
        <translation>A correta sai da origem e percorre a diagonal do paralelogramo até o vértice oposto.</translation>
    </message>
    <message>
        <source>La correcta sale del origen y llega a la punta del último vector de la cadena.</source>
        <translation>A correta sai da origem e chega à ponta do último vetor da cadeia.</translation>
    </message>
    <message>
        <source>Restó un vector en lugar de sumarlo: cada vector conserva su sentido.</source>
        <translation>Você subtraiu um vetor em vez de somá-lo: cada vetor conserva o seu sentido.</translation>
    </message>
    <message>
        <source>La resultante es la diagonal que sale del origen, no la que une las puntas de los dos vectores.</source>
        <translation>A resultante é a diagonal que sai da origem, não a que une as pontas dos dois vetores.</translation>
    </message>
    <message>
        <source>Ponga cada vector a continuación del anterior sin darle la vuelta: la resultante va del origen a la última punta.</source>
        <translation>Coloque cada vetor em seguida do anterior sem invertê-lo: a resultante vai da origem até a última ponta.</translation>
    </message>
    <message>
        <source>Midió el ángulo desde el eje y: la dirección se mide desde el semieje x positivo.</source>
        <translation>Você mediu o ângulo a partir do eixo y: a direção se mede a partir do semieixo x positivo.</translation>
    </message>
    <message>
        <source>Midió el ángulo en el sentido de las agujas del reloj: la dirección se mide desde el semieje x positivo, en sentido antihorario.</source>
        <translation>Você mediu o ângulo no sentido horário: a direção se mede a partir do semieixo x positivo, no sentido anti-horário.</translation>
    </message>
    <message>
        <source>Promedió las direcciones: la dirección de la resultante no es el promedio de las de los vectores.</source>
        <translation>Você fez a média das direções: a direção da resultante não é a média das direções dos vetores.</translation>
    </message>
    <message>
        <source>Le faltó un vector: la resultante suma los tres.</source>
        <translation>Faltou um vetor: a resultante soma os três.</translation>
    </message>
    <message>
        <source>Sumó las componentes sin su signo: una componente hacia la izquierda o hacia abajo es negativa y resta.</source>
        <translation>Você somou as componentes sem o seu sinal: uma componente para a esquerda ou para baixo é negativa e subtrai.</translation>
    </message>
    <message>
        <source>Su resultante no coincide.</source>
        <translation>A sua resultante não coincide.</translation>
    </message>
    <message>
        <source>acierto</source>
        <translation>acerto</translation>
    </message>
    <message>
        <source>suma de módulos</source>
        <translation>soma dos módulos</translation>
    </message>
    <message>
        <source>resta de módulos</source>
        <translation>diferença dos módulos</translation>
    </message>
    <message>
        <source>sentido opuesto</source>
        <translation>sentido oposto</translation>
    </message>
    <message>
        <source>resta de vectores</source>
        <translation>vetor subtraído</translation>
    </message>
    <message>
        <source>ángulo desde el eje y</source>
        <translation>ângulo a partir do eixo y</translation>
    </message>
    <message>
        <source>sentido horario</source>
        <translation>sentido horário</translation>
    </message>
    <message>
        <source>promedio de direcciones</source>
        <translation>média das direções</translation>
    </message>
    <message>
        <source>falta un vector</source>
        <translation>falta um vetor</translation>
    </message>
    <message>
        <source>componentes sin signo</source>
        <translation>componentes sem sinal</translation>
    </message>
    <message>
        <source>otro error</source>
        <translation>outro erro</translation>
    </message>
    <message>
        <source>Su resultante: %1 a %2°.</source>
        <translation>A sua resultante: %1 a %2°.</translation>
    </message>
    <message>
        <source>N: otro ejercicio.</source>
        <translation>N: outro exercício.</translation>
    </message>
    <message>
        <source>Halle la resultante R = A + B por el método del paralelogramo.</source>
        <translation>Encontre a resultante R = A + B pelo método do paralelogramo.</translation>
    </message>
    <message>
        <source>Halle la resultante R = A + B + C por el método del polígono.</source>
        <translation>Encontre a resultante R = A + B + C pelo método do polígono.</translation>
    </message>
    <message>
        <source>%1 %2 (semilla %3)</source>
        <translation>%1 %2 (semente %3)</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>paralelogramo</source>
        <translation>paralelogramo</translation>
    </message>
    <message>
        <source>poligono</source>
        <translation>polígono</translation>
    </message>
    <message>
        <source>ambos</source>
        <translation>ambos</translation>
    </message>
    <message>
        <source>facil</source>
        <translation>fácil</translation>
    </message>
    <message>
        <source>medio</source>
        <translation>médio</translation>
    </message>
    <message>
        <source>dificil</source>
        <translation>difícil</translation>
    </message>
    <message>
        <source>Compruebe que no cometió alguno de estos errores: %1.</source>
        <translation>Verifique se não cometeu algum destes erros: %1.</translation>
    </message>
    <message>
        <source>Escriba solo el número, sin «°», con coma decimal; por ejemplo: %1.</source>
        <translation>Digite apenas o número, sem “°”, com vírgula decimal; por exemplo: %1.</translation>
    </message>
    <message>
        <source>Los vectores dados, dibujados desde el origen a la misma escala en ambos ejes.</source>
        <translation>Os vetores dados, desenhados a partir da origem na mesma escala nos dois eixos.</translation>
    </message>
    <message>
        <source>Solución: r = %1; α = %2°.</source>
        <translation>Solução: r = %1; α = %2°.</translation>
    </message>
    <message>
        <source>La construcción de la resultante.</source>
        <translation>A construção da resultante.</translation>
    </message>
    <message>
        <source>Módulo de R:</source>
        <translation>Módulo de R:</translation>
    </message>
    <message>
        <source>Dirección de R, en grados desde el semieje x positivo:</source>
        <translation>Direção de R, em graus a partir do semieixo x positivo:</translation>
    </message>
    <message>
        <source>%1 %2: r (semilla %3)</source>
        <translation>%1 %2: r (semente %3)</translation>
    </message>
    <message>
        <source>%1 %2: α (semilla %3)</source>
        <translation>%1 %2: α (semente %3)</translation>
    </message>
    <message>
        <source>Mida con cuidado: la longitud con la escala de los ejes, y el ángulo desde el semieje x positivo en sentido antihorario.</source>
        <translation>Meça com cuidado: o comprimento com a escala dos eixos, e o ângulo a partir do semieixo x positivo, no sentido anti-horário.</translation>
    </message>
    <message>
        <source>Casi.</source>
        <translation>Quase.</translation>
    </message>
    <message>
        <source>Dejó el ejercicio sin comprobarlo.</source>
        <translation>Deixou o exercício sem verificá-lo.</translation>
    </message>
    <message>
        <source>Vio la respuesta sin dar la suya.</source>
        <translation>Viu a resposta sem dar a sua.</translation>
    </message>
    <message>
        <source>casi</source>
        <translation>quase</translation>
    </message>
    <message>
        <source>saltado</source>
        <translation>pulado</translation>
    </message>
    <message>
        <source>sin respuesta</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>el módulo está bien</source>
        <translation>o módulo está certo</translation>
    </message>
    <message>
        <source>su módulo es un %1 % mayor</source>
        <translation>seu módulo é %1 % maior</translation>
    </message>
    <message>
        <source>su módulo es un %1 % menor</source>
        <translation>seu módulo é %1 % menor</translation>
    </message>
    <message>
        <source>la dirección está bien</source>
        <translation>a direção está certa</translation>
    </message>
    <message>
        <source>su dirección está girada %1° en sentido antihorario</source>
        <translation>sua direção está girada %1° no sentido anti-horário</translation>
    </message>
    <message>
        <source>su dirección está girada %1° en sentido horario</source>
        <translation>sua direção está girada %1° no sentido horário</translation>
    </message>
    <message>
        <source>Casi: %1 y %2.</source>
        <translation>Quase: %1 e %2.</translation>
    </message>
    <message>
        <source>Su resultante es la que dan dos errores, que en este ejercicio coinciden: %1 o %2.</source>
        <translation>Sua resultante é a que dão dois erros, que neste exercício coincidem: %1 ou %2.</translation>
    </message>
    <message>
        <source>Casi: su módulo está cerca del correcto, pero fuera de la tolerancia.</source>
        <translation>Quase: seu módulo está perto do correto, mas fora da tolerância.</translation>
    </message>
    <message>
        <source>Casi: su dirección está cerca de la correcta, pero fuera de la tolerancia.</source>
        <translation>Quase: sua direção está perto da correta, mas fora da tolerância.</translation>
    </message>
    <message>
        <source>Resta y múltiplos</source>
        <translation>Subtração e múltiplos</translation>
    </message>
    <message>
        <source>Combinación</source>
        <translation>Combinação</translation>
    </message>
    <message>
        <source>combinacion</source>
        <translation>combinacao</translation>
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
        <source>Ponga k₁a desde el origen y k₂b con su cola en la punta de k₁a: c va del origen a la punta de k₂b.</source>
        <translation>Ponha k₁a a partir da origem e k₂b com a cauda na ponta de k₁a: c vai da origem à ponta de k₂b.</translation>
    </message>
    <message>
        <source>Dibuje −b al revés de b y póngalo punta con cola tras k₁a: c va del origen a su punta.</source>
        <translation>Desenhe −b oposto a b e ponha-o ponta com cauda após k₁a: c vai da origem à sua ponta.</translation>
    </message>
    <message>
        <source>Con k negativo, dibuje k·v |k| veces más largo que v y al revés, y póngalo punta con cola.</source>
        <translation>Com k negativo, desenhe k·v |k| vezes mais longo que v e invertido, e ponha-o ponta com cauda.</translation>
    </message>
    <message>
        <source>Dibuje k₁a sobre la recta de a y k₂b sobre la de b, y póngalos punta con cola.</source>
        <translation>Desenhe k₁a sobre a reta de a e k₂b sobre a de b, e ponha-os ponta com cauda.</translation>
    </message>
    <message>
        <source>Dibuje k₁a desde el origen y k₂b con su cola en la punta de k₁a, y trace c hasta la punta de k₂b.</source>
        <translation>Desenhe k₁a a partir da origem e k₂b com a cauda na ponta de k₁a, e trace c até a ponta de k₂b.</translation>
    </message>
    <message>
        <source>k₁a y k₂b punta con cola; c = k₁a + k₂b.</source>
        <translation>k₁a e k₂b ponta com cauda; c = k₁a + k₂b.</translation>
    </message>
    <message>
        <source>Halle c = k₁a + k₂b poniendo k₁a y k₂b punta con cola.</source>
        <translation>Encontre c = k₁a + k₂b pondo k₁a e k₂b ponta com cauda.</translation>
    </message>
    <message>
        <source>Equilibrante E = −R:</source>
        <translation>Equilibrante E = −R:</translation>
    </message>
    <message>
        <source>Dé después la equilibrante E = −R, el vector que anula la suma: su módulo y su dirección.</source>
        <translation>Dê depois a equilibrante E = −R, o vetor que anula a soma: seu módulo e sua direção.</translation>
    </message>
    <message>
        <source>La construcción de la resultante; la equilibrante es su opuesta.</source>
        <translation>A construção da resultante; a equilibrante é a sua oposta.</translation>
    </message>
    <message>
        <source>Módulo de E:</source>
        <translation>Módulo de E:</translation>
    </message>
    <message>
        <source>Módulo de c:</source>
        <translation>Módulo de c:</translation>
    </message>
    <message>
        <source>Dirección de E, en grados desde el semieje x positivo:</source>
        <translation>Direção de E, em graus a partir do semieixo x positivo:</translation>
    </message>
    <message>
        <source>Dirección de c, en grados desde el semieje x positivo:</source>
        <translation>Direção de c, em graus a partir do semieixo x positivo:</translation>
    </message>
    <message>
        <source>Sumó en lugar de restar: restar b es sumar su opuesto, −b, que apunta al revés.</source>
        <translation>Somou em vez de subtrair: subtrair b é somar o seu oposto, −b, que aponta ao contrário.</translation>
    </message>
    <message>
        <source>Restó al revés: a − b va de la punta de b a la punta de a, no al revés.</source>
        <translation>Subtraiu ao contrário: a − b vai da ponta de b à ponta de a, não o inverso.</translation>
    </message>
    <message>
        <source>Multiplicó el módulo pero conservó el sentido: un coeficiente negativo también invierte el vector.</source>
        <translation>Multiplicou o módulo mas manteve o sentido: um coeficiente negativo também inverte o vetor.</translation>
    </message>
    <message>
        <source>Multiplicó también el ángulo: k·a tiene la dirección de a (o la opuesta si k es negativo); solo su módulo cambia.</source>
        <translation>Multiplicou também o ângulo: k·a tem a direção de a (ou a oposta se k for negativo); só o módulo muda.</translation>
    </message>
    <message>
        <source>Sumó los módulos de k₁a y k₂b: eso solo vale si apuntan en el mismo sentido.</source>
        <translation>Somou os módulos de k₁a e k₂b: isso só vale se apontarem no mesmo sentido.</translation>
    </message>
    <message>
        <source>Le faltó un término: c suma k₁a y k₂b.</source>
        <translation>Faltou um termo: c soma k₁a e k₂b.</translation>
    </message>
    <message>
        <source>Dio la resultante en lugar de su opuesta: la equilibrante anula la suma, así que tiene el mismo módulo y sentido contrario.</source>
        <translation>Deu a resultante em vez da sua oposta: a equilibrante anula a soma, então tem o mesmo módulo e sentido contrário.</translation>
    </message>
    <message>
        <source>¡Correcto! Su equilibrante es la opuesta de la resultante: anula la suma de los vectores.</source>
        <translation>Correto! Sua equilibrante é a oposta da resultante: anula a soma dos vetores.</translation>
    </message>
    <message>
        <source>Su equilibrante no coincide.</source>
        <translation>Sua equilibrante não coincide.</translation>
    </message>
    <message>
        <source>suma en vez de resta</source>
        <translation>soma em vez de subtração</translation>
    </message>
    <message>
        <source>resta al revés</source>
        <translation>subtração ao contrário</translation>
    </message>
    <message>
        <source>coeficiente negativo sin invertir</source>
        <translation>coeficiente negativo sem inverter</translation>
    </message>
    <message>
        <source>ángulo multiplicado por k</source>
        <translation>ângulo multiplicado por k</translation>
    </message>
    <message>
        <source>suma de módulos escalados</source>
        <translation>soma dos módulos escalados</translation>
    </message>
    <message>
        <source>falta un término</source>
        <translation>falta um termo</translation>
    </message>
    <message>
        <source>resultante en vez de equilibrante</source>
        <translation>resultante em vez de equilibrante</translation>
    </message>
    <message>
        <source>Su equilibrante: %1 a %2°.</source>
        <translation>Sua equilibrante: %1 a %2°.</translation>
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
    <name>Web</name>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Vistas</source>
        <translation>Vistas</translation>
    </message>
    <message>
        <source>Ajustar</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Al arrastrar una punta, el módulo va de 5 en 5 y la dirección de 15 en 15 grados, como con Mayús</source>
        <translation>Ao arrastar uma ponta, o módulo vai de 5 em 5 e a direção de 15 em 15 graus, como com Shift</translation>
    </message>
    <message>
        <source>Volver a empezar</source>
        <translation>Começar de novo</translation>
    </message>
    <message>
        <source>Suma de vectores en el plano por los métodos del paralelogramo y del polígono. Funciona en el navegador, sin conexión y sin enviar nada a ningún sitio.</source>
        <translation>Soma de vetores no plano pelos métodos do paralelogramo e do polígono. Funciona no navegador, sem conexão e sem enviar nada a lugar nenhum.</translation>
    </message>
    <message>
        <source>Licencia: GNU GPL, versión 3 o posterior</source>
        <translation>Licença: GNU GPL, versão 3 ou posterior</translation>
    </message>
    <message>
        <source>Código fuente</source>
        <translation>Código-fonte</translation>
    </message>
    <message>
        <source>Créditos: Equipo Trazalia.</source>
        <translation>Créditos: Equipe Trazalia.</translation>
    </message>
    <message>
        <source>Descargar resultados</source>
        <translation>Baixar resultados</translation>
    </message>
    <message>
        <source>Compartir</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>Compartir lo que se ve</source>
        <translation>Compartilhar o que se vê</translation>
    </message>
    <message>
        <source>El enlace abre esta ventana con estos valores, vistas, idioma y ejercicios. Léalo con la cámara de un teléfono o cópielo.</source>
        <translation>O link abre esta janela com estes valores, vistas, idioma e exercícios. Leia-o com a câmera de um celular ou copie-o.</translation>
    </message>
    <message>
        <source>Enlace</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Copiar enlace</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Enlace copiado.</source>
        <translation>Link copiado.</translation>
    </message>
    <message>
        <source>El navegador no dejó copiar: el enlace quedó seleccionado en su casilla; cópielo con Ctrl+C.</source>
        <translation>O navegador não permitiu copiar: o link ficou selecionado em sua caixa; copie-o com Ctrl+C.</translation>
    </message>
    <message>
        <source>Código QR del enlace</source>
        <translation>Código QR do link</translation>
    </message>
    <message>
        <source>Imagen copiada.</source>
        <translation>Imagem copiada.</translation>
    </message>
    <message>
        <source>El navegador no dejó copiar la imagen; guárdela como PNG o SVG.</source>
        <translation>O navegador não permitiu copiar a imagem; salve-a como PNG ou SVG.</translation>
    </message>
    <message>
        <source>El enlace traía valores que no valen; se abrió lo más cercano: %1.</source>
        <translation>O link trazia valores inválidos; abriu-se o mais próximo: %1.</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Trazalia terminó. Para salir, cierre esta pestaña o esta ventana del navegador.</source>
        <translation>O Trazalia terminou. Para sair, feche esta aba ou esta janela do navegador.</translation>
    </message>
    <message>
        <source>El navegador no guardó el último resultado: su espacio está lleno o no lo permite. Descargue los resultados ahora para no perderlos.</source>
        <translation>O navegador não guardou o último resultado: seu espaço está cheio ou ele não permite. Baixe os resultados agora para não perdê-los.</translation>
    </message>
    <message>
        <source>regresa a la ventana de inicio; con un menú abierto, lo cierra</source>
        <translation>volta à janela inicial; com um menu aberto, fecha-o</translation>
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
        <translation>Espaço</translation>
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
            <numerusform>%n resultado salvo neste navegador</numerusform>
            <numerusform>%n resultados salvos neste navegador</numerusform>
        </translation>
    </message>
    <message>
        <source>Resumen de la clase</source>
        <translation>Resumo da turma</translation>
    </message>
    <message>
        <source>Suelte aquí los archivos de resultados que descargaron los alumnos, o elíjalos:</source>
        <translation>Solte aqui os arquivos de resultados que os alunos baixaram, ou escolha-os:</translation>
    </message>
    <message>
        <source>Quitar los archivos</source>
        <translation>Remover os arquivos</translation>
    </message>
    <message>
        <source>Descargar el resumen (CSV)</source>
        <translation>Baixar o resumo (CSV)</translation>
    </message>
    <message>
        <source>%1: el navegador no pudo leer el archivo; vuelva a elegirlo.</source>
        <translation>%1: o navegador não conseguiu ler o arquivo; escolha-o de novo.</translation>
    </message>
    <message>
        <source>Por alumno</source>
        <translation>Por aluno</translation>
    </message>
    <message>
        <source>Errores de la clase</source>
        <translation>Erros da turma</translation>
    </message>
    <message>
        <source>Alumnos por error</source>
        <translation>Alunos por erro</translation>
    </message>
    <message>
        <source>Alumno</source>
        <translation>Aluno</translation>
    </message>
    <message>
        <source>Intentos</source>
        <translation>Tentativas</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>% de aciertos</source>
        <translation>% de acertos</translation>
    </message>
    <message>
        <source>Casi</source>
        <translation>Quase</translation>
    </message>
    <message>
        <source>Saltados</source>
        <translation>Pulados</translation>
    </message>
    <message>
        <source>Sin respuesta</source>
        <translation>Sem resposta</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Veces</source>
        <translation>Vezes</translation>
    </message>
    <message>
        <source>% de los intentos</source>
        <translation>% das tentativas</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>Máximo para esta pantalla</source>
        <translation>Máximo para esta tela</translation>
    </message>
    <message>
        <source>Ampliar</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Reducir</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Tamaño normal</source>
        <translation>Tamanho normal</translation>
    </message>
    <message>
        <source>Pantalla completa</source>
        <translation>Tela cheia</translation>
    </message>
</context>
</TS>
