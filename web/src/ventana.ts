// SPDX-License-Identifier: GPL-3.0-or-later
// One window of the program in the page, built from its control table: it shows what the core
// announces and turns clicks, bar moves and keys into the core's commands.
import { Arrastre } from './arrastre';
import { LetraMinima } from './letra_minima';
import type { Entorno } from './entorno';
import type { Control, Evento, Tabla } from './nucleo';
import { leerTabla } from './nucleo';
import { ponerAtributo, ponerSvg, ponerTexto } from './svg_vivo';
import { nombreDeTecla } from './teclas';

// How far apart two controls of the desktop's window may stand and still be one row of it, and
// two buttons one group, in twips.
const kMismaFila = 300;
const kMismoGrupo = 600;
const kLetraMinima = 12;
// Held sideways, the picture leaves its column a share of the width, at least a phone's held
// upright and at most what the controls use, in CSS pixels; narrower than kAnchoDeLado, the
// controls go below it.
const kColumna = { minima: 320, parte: 0.38, maxima: 400 };
const kAnchoDeLado = 600;
// Upright, the picture stays in view as the controls scroll while it leaves them this much of
// the height.
const kAltoParaFijar = 0.55;
// The background behind the page's captions, which a vector's colour must stand out from as text.
const kFondo: [number, number, number] = [0xf4, 0xf5, 0xf7];
const kContrasteDeTexto = 4.5;

function luminancia([r, g, b]: number[]): number {
  const lineal = (c: number) => (c <= 0.04045 * 255 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4);
  return 0.2126 * lineal(r) + 0.7152 * lineal(g) + 0.0722 * lineal(b);
}

// A caption's colour as the page shows it: the core's vector colour, darkened just enough to read
// as text on the page (the pure red and green of the desktop do not: 4.0:1 and 1.4:1 on white).
function tinta(color: string): string {
  const m = /^#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})$/i.exec(color);
  if (!m) return color;
  let rgb = m.slice(1).map((h) => parseInt(h, 16));
  const fondo = luminancia(kFondo);
  while ((fondo + 0.05) / (luminancia(rgb) + 0.05) < kContrasteDeTexto)
    rgb = rgb.map((c) => Math.floor(c * 0.95));
  return `#${rgb.map((c) => c.toString(16).padStart(2, '0')).join('')}`;
}

// A bar's track filled in its colour up to the thumb (estilo.css).
function llenar(barra: HTMLInputElement): void {
  const [min, max] = [Number(barra.min), Number(barra.max)];
  barra.style.setProperty('--lleno', `${max > min ? ((Number(barra.value) - min) * 100) / (max - min) : 0}%`);
}

export class VentanaWeb {
  readonly raiz: HTMLElement;
  // The row of tools over a method window: views, snapping, undo; other parts add theirs.
  readonly herramientas: HTMLElement;
  readonly titulo: HTMLHeadingElement;
  private readonly area: HTMLElement;
  // The controls beside the picture (below it on a phone held upright), in rows.
  private readonly controles: HTMLElement;
  private readonly elementos = new Map<string, HTMLElement>();
  private tabla: Tabla;
  private sucio = true;
  private descripcion: HTMLElement | null = null;
  private imagen: HTMLElement | null = null;
  private letra: LetraMinima | null = null;
  private arrastre: Arrastre | null = null;
  private editor: { input: HTMLInputElement; control: string } | null = null;

  constructor(
    private readonly entorno: Entorno,
    readonly nombre: string,
  ) {
    this.tabla = leerTabla(entorno.nucleo, nombre);
    this.raiz = document.createElement('section');
    this.raiz.className = 'ventana';
    this.raiz.id = nombre;
    this.raiz.hidden = !this.tabla.visible;
    this.titulo = document.createElement('h1');
    this.titulo.className = 'titulo';
    this.titulo.tabIndex = -1;
    this.herramientas = document.createElement('div');
    this.herramientas.className = 'herramientas';
    this.herramientas.setAttribute('role', 'group');
    this.area = document.createElement('div');
    this.area.className = 'area';
    this.controles = document.createElement('div');
    this.controles.className = 'controles';
    this.raiz.classList.toggle('metodo', this.metodo);
    this.raiz.append(this.titulo, this.herramientas, this.area);
    this.raiz.setAttribute('aria-labelledby', (this.titulo.id = `titulo-${nombre}`));
    for (const c of this.porTab()) this.elementos.set(c.nombre, this.crear(c));
    const picture = this.tabla.controles.find((c) => c.tipo === 'picture');
    if (picture) {
      this.area.append(this.elementos.get(picture.nombre)!);
      // The picture keeps the core's proportions at any size: its SVG scales by its viewBox.
      this.raiz.style.setProperty('--proporcion', `${picture.width} / ${picture.height}`);
    }
    this.area.append(this.controles);
    this.controles.append(...this.filas());
    this.retraducir();
  }

  // The picture's width over its height, 0 without one.
  get proporcion(): number {
    const picture = this.tabla.controles.find((c) => c.tipo === 'picture');
    return picture ? picture.width / picture.height : 0;
  }

  get metodo(): boolean {
    return this.tabla.vectores > 0;
  }
  get visible(): boolean {
    return !this.raiz.hidden;
  }
  // A control's state now, from the core.
  fila(control: string): Control | undefined {
    return this.tabla.controles.find((c) => c.nombre === control);
  }

  private porTab(): Control[] {
    return [...this.tabla.controles].sort((a, b) => a.tab - b.tab);
  }

  private ruta(control: string): string {
    return `${this.nombre}.${control}`;
  }

  private crear(c: Control): HTMLElement {
    let e: HTMLElement;
    switch (c.tipo) {
      case 'picture': {
        e = document.createElement('div');
        e.setAttribute('role', 'img');
        const svg = document.createElement('div');
        svg.className = 'svg';
        this.imagen = svg;
        this.letra = new LetraMinima(this.nombre, svg, kLetraMinima);
        this.descripcion = document.createElement('p');
        this.descripcion.className = 'sr';
        this.descripcion.id = `descripcion-${this.nombre}`;
        e.setAttribute('aria-describedby', this.descripcion.id);
        e.append(svg);
        this.raiz.append(this.descripcion);
        this.arrastre = new Arrastre(this.entorno, this.nombre, e, c);
        break;
      }
      case 'barra': {
        const input = document.createElement('input');
        input.type = 'range';
        input.min = String(c.min);
        input.max = String(c.max);
        input.step = '1';
        input.value = String(c.valor);
        input.addEventListener('input', () => {
          const r = this.entorno.ejecutar((n) => n.mover(this.ruta(c.nombre), Number(input.value)));
          // Refused (an exercise holds the bar): the thumb stays at the core's value.
          const valor = String(this.fila(c.nombre)?.valor ?? input.value);
          if (r.error && input.value !== valor) input.value = valor;
          llenar(input);
        });
        // A thumb dragged or a key held is one step to undo, until it is let go. Ending it changes
        // nothing on the page, and leaves a refusal shown where it is.
        for (const fin of ['pointerup', 'keyup', 'blur'])
          input.addEventListener(fin, () => this.entorno.nucleo.terminarPaso(this.nombre));
        e = input;
        break;
      }
      case 'rotulo': {
        e = document.createElement('div');
        const visto = document.createElement('span');
        visto.setAttribute('aria-hidden', 'true');
        const dicho = document.createElement('span');
        dicho.className = 'sr';
        e.append(visto, dicho);
        break;
      }
      case 'lectura': {
        e = document.createElement('div');
        e.setAttribute('role', 'textbox');
        e.setAttribute('aria-readonly', 'true');
        e.addEventListener('dblclick', () => this.abrirEditor(c.nombre, e.textContent ?? '', false));
        break;
      }
      case 'boton': {
        const boton = document.createElement('button');
        boton.type = 'button';
        boton.addEventListener('click', () =>
          this.entorno.ejecutar((n) => n.pulsar(this.ruta(c.nombre))),
        );
        e = boton;
        break;
      }
      case 'imagen': {
        const img = document.createElement('img');
        img.src = 'trazalia.svg';
        e = img;
        break;
      }
    }
    e.classList.add('control', c.tipo);
    e.dataset.control = c.nombre;
    if (c.tipo === 'rotulo' && c.color !== this.tabla.fore && c.color !== '#000000') {
      e.style.color = tinta(c.color);
      e.classList.add('de-color');
    }
    if (c.centrado) e.classList.add('centrado');
    e.addEventListener('keydown', (ev) => this.tecla(ev, c));
    this.estado(e, c);
    return e;
  }

  // The table read again from the core: its texts in the page's language, its controls' state.
  retraducir(): void {
    this.tabla = leerTabla(this.entorno.nucleo, this.nombre);
    // The desktop's caption ends some titles with a period, which a heading does not have.
    this.titulo.textContent = this.tabla.titulo.replace(/\.$/, '');
    this.herramientas.setAttribute('aria-label', this.tabla.titulo);
    for (const c of this.tabla.controles) {
      const e = this.elementos.get(c.nombre)!;
      this.estado(e, c);
      if (e instanceof HTMLInputElement && c.tipo === 'barra') {
        e.value = String(c.valor);
        llenar(e);
      }
      if (c.ayuda) e.title = c.ayuda;
      switch (c.tipo) {
        case 'rotulo':
          e.firstElementChild!.textContent = c.caption;
          e.lastElementChild!.textContent = c.descripcion;
          break;
        case 'boton':
          e.textContent = c.caption;
          e.setAttribute('aria-label', c.descripcion);
          break;
        case 'imagen':
          (e as HTMLImageElement).alt = c.descripcion;
          break;
        case 'lectura':
          this.escribir(c.nombre, c.caption);
          break;
        default:
          e.setAttribute('aria-label', c.descripcion);
      }
      this.marcarAnterior(c.nombre, c.anterior);
    }
    this.sucio = true;
  }

  private estado(e: HTMLElement, c: Control): void {
    e.hidden = !c.visto;
    const enfocable = c.enfocable && c.habilitado;
    if (e instanceof HTMLInputElement || e instanceof HTMLButtonElement) {
      e.disabled = !c.habilitado;
      e.tabIndex = enfocable ? 0 : -1;
    } else if (c.tipo === 'picture' || c.tipo === 'lectura') {
      if (enfocable) e.tabIndex = 0;
      else e.removeAttribute('tabindex');
    }
  }

  private escribir(control: string, texto: string): void {
    const e = this.elementos.get(control);
    const c = this.fila(control);
    if (!e || !c) return;
    if (c.tipo === 'lectura') {
      ponerTexto(e, texto);
      ponerAtributo(e, 'aria-label', texto ? `${c.descripcion}: ${texto}` : c.descripcion);
    } else if (c.tipo === 'rotulo') {
      ponerTexto(e.firstElementChild!, texto);
    } else {
      ponerTexto(e, texto);
    }
  }

  private marcarAnterior(control: string, anterior: boolean): void {
    const e = this.elementos.get(control);
    const c = this.fila(control);
    if (!e || !c) return;
    e.classList.toggle('anterior', anterior);
    const aviso = anterior ? this.tabla.comoRenovar : '';
    e.title = [aviso, c.ayuda].filter(Boolean).join('\n');
    if (aviso) e.setAttribute('aria-description', aviso);
    else e.removeAttribute('aria-description');
  }

  // One event of the core about this window.
  aplicar(ev: Evento): void {
    const fila = 'c' in ev ? this.fila(ev.c) : undefined;
    switch (ev.tipo) {
      case 'mostrada':
        this.raiz.hidden = !ev.visible;
        // A window the core has just made: its controls' state is first known now.
        if (ev.visible) this.retraducir();
        break;
      case 'escrito':
        if (fila) fila.caption = ev.texto;
        this.escribir(ev.c, ev.texto);
        break;
      case 'valor': {
        if (fila) fila.valor = ev.valor;
        const input = this.elementos.get(ev.c);
        if (input instanceof HTMLInputElement && input.value !== String(ev.valor))
          input.value = String(ev.valor);
        if (input instanceof HTMLInputElement) llenar(input);
        break;
      }
      case 'anterior':
        if (fila) fila.anterior = ev.anterior;
        this.marcarAnterior(ev.c, ev.anterior);
        break;
      case 'enfocable':
        if (fila) {
          fila.enfocable = ev.enfocable;
          this.estado(this.elementos.get(ev.c)!, fila);
        }
        break;
      case 'dibujo':
        this.sucio = true;
        break;
      case 'editor':
        if (ev.abierto) this.abrirEditor(ev.c, ev.texto, true);
        else if (this.editor?.control === ev.c) this.quitarEditor();
        break;
      case 'rehusado':
        this.entorno.mostrarRechazo(ev.texto);
        break;
      default:
        break;
    }
  }

  // The picture and its description, once per command however many operations it drew.
  repintar(): void {
    if (!this.sucio || !this.imagen || !this.descripcion) return;
    this.sucio = false;
    const n = this.entorno.nucleo;
    ponerSvg(this.imagen, n.svg(this.nombre));
    this.letra?.ajustar();
    this.arrastre?.marcar(n.agarres(this.nombre));
    ponerTexto(
      this.descripcion,
      n.descripcion(this.nombre) ||
        n.traducir('VentanaMetodo', 'Diagrama vacío: mueva una barra para dibujar los vectores.'),
    );
  }

  // The read-out a bar's value editor stands over.
  private lecturaDe(control: string): string {
    const m = /^HScroll(\d+)$/.exec(control);
    if (!m) return control;
    const par = this.tabla.lecturas.find(([barra]) => barra === Number(m[1]));
    return par ? `Label${par[1]}` : control;
  }

  // The value editor over a read-out: opened by the core (a digit on a bar, or on a guess's
  // read-out) or by a double click; Return gives the core the text, Escape leaves it.
  private abrirEditor(control: string, texto: string, delNucleo: boolean): void {
    this.quitarEditor();
    const lectura = this.elementos.get(this.lecturaDe(control));
    const c = this.fila(this.lecturaDe(control));
    if (!lectura || !c) return;
    const input = document.createElement('input');
    input.type = 'text';
    input.inputMode = 'decimal';
    input.className = 'editor';
    input.value = texto;
    input.setAttribute('aria-label', c.descripcion);
    // Over the read-out, where its value stood.
    input.style.left = `${lectura.offsetLeft}px`;
    input.style.top = `${lectura.offsetTop}px`;
    input.style.width = `${lectura.offsetWidth}px`;
    input.style.height = `${lectura.offsetHeight}px`;
    this.editor = { input, control };
    const cerrar = (tomar: boolean) => {
      if (this.editor?.input !== input) return;
      const valor = input.value.trim();
      const foco = this.elementos.get(control);
      this.quitarEditor();
      if (delNucleo) this.entorno.ejecutar((n) => n.cerrarEditor(this.nombre, control));
      if (tomar && valor) {
        const r = this.entorno.ejecutar((n) => n.escribir(this.ruta(control), valor));
        if (r.error) {
          // Refused, as on the desktop: the range said, the text kept to be mended.
          const barra = this.fila(control);
          this.entorno.mostrarRechazo(
            barra?.tipo === 'barra'
              ? this.entorno.nucleo
                  .traducir('Editor', 'De %1 a %2')
                  .replace('%1', String(barra.min))
                  .replace('%2', String(barra.max))
              : r.error,
          );
          this.abrirEditor(control, valor, false);
          this.editor?.input.select();
          return;
        }
      }
      foco?.focus();
    };
    input.addEventListener('keydown', (ev) => {
      if (ev.key === 'Enter') cerrar(true);
      else if (ev.key === 'Escape') cerrar(false);
      else return;
      ev.preventDefault();
      ev.stopPropagation();
    });
    input.addEventListener('blur', () => cerrar(input.value.trim() !== texto));
    lectura.after(input);
    input.focus();
    input.setSelectionRange(input.value.length, input.value.length);
  }

  private quitarEditor(): void {
    const e = this.editor;
    this.editor = null;
    e?.input.remove();
  }

  private tecla(ev: KeyboardEvent, c: Control): void {
    if (ev.target !== ev.currentTarget) return;
    const nombre = nombreDeTecla(ev);
    if (!nombre || nombre === 'Tab' || nombre === 'Shift+Tab') return;
    if (this.entorno.teclaDePagina(this.nombre, nombre)) {
      ev.preventDefault();
      return;
    }
    // A button clicks itself, and the browser keeps its own shortcuts.
    if (c.tipo === 'boton' && (nombre === 'Return' || nombre === 'Space')) return;
    if (ev.ctrlKey || ev.altKey || ev.metaKey) return;
    ev.preventDefault();
    // With the guess given, Return on the resultant's r or α checks it, as on the picture.
    const resultado = this.tabla.resultado.map((n) => `Label${n}`);
    if (nombre === 'Return' && resultado.includes(c.nombre) && this.entorno.nucleo.adivinado(this.nombre)) {
      this.entorno.ejecutar((n) => n.practicar(this.nombre, 'check', '', ''));
      return;
    }
    this.entorno.ejecutar((n) => n.teclas(this.ruta(c.nombre), nombre));
  }

  // Lays the page out for this window, shown in a viewport of that size (CSS pixels): held
  // sideways, the picture the viewport's height at its left and all else in a column beside it;
  // upright, the picture across the width and the rest below (estilo.css).
  disponer(ancho: number, alto: number): void {
    if (!this.visible) return;
    const raiz = document.documentElement;
    const p = this.proporcion;
    raiz.classList.toggle('con-dibujo', p > 0);
    if (!p) return;
    const lado = ancho > alto && ancho >= kAnchoDeLado;
    const columna = Math.max(kColumna.minima, Math.min(kColumna.parte * ancho, kColumna.maxima));
    const dibujo = lado ? Math.min(alto, (ancho - columna) / p) : ancho / p;
    raiz.dataset.disposicion = lado ? 'lado' : 'abajo';
    raiz.style.setProperty('--dibujo-ancho', `${dibujo * p}px`);
    raiz.style.setProperty('--dibujo-alto', `${dibujo}px`);
    raiz.style.setProperty('--dibujo-arriba', `${Math.max(0, (alto - dibujo) / 2)}px`);
    raiz.classList.toggle('dibujo-fijo', !lado && dibujo <= kAltoParaFijar * alto);
  }

  // The controls in rows, in the order the desktop's window reads (those over the picture, then
  // those right of it, each row left to right): a caption with its bar and read-out is a slider's
  // row; a desktop row of two sliders (a vector's magnitude and direction) a group in the vector's
  // colour; a caption with a read-out alone a result; buttons side by side.
  private filas(): HTMLElement[] {
    const picture = this.tabla.controles.find((c) => c.tipo === 'picture');
    const derecha = (c: Control) => (picture && c.left >= picture.left + picture.width ? 1 : 0);
    const controles = this.tabla.controles
      .filter((c) => c.tipo !== 'picture')
      .sort((a, b) => derecha(a) - derecha(b) || a.top - b.top || a.left - b.left);
    const filasDelEscritorio: Control[][] = [];
    for (const c of controles) {
      const fila = filasDelEscritorio[filasDelEscritorio.length - 1];
      if (fila && c.top < fila[0].top + kMismaFila && derecha(c) === derecha(fila[0])) fila.push(c);
      else filasDelEscritorio.push([c]);
    }
    const el = (c: Control) => this.elementos.get(c.nombre)!;
    const div = (clase: string, ...hijos: HTMLElement[]) => {
      const d = document.createElement('div');
      d.className = clase;
      d.append(...hijos);
      return d;
    };
    const mayor = Math.max(...controles.filter((c) => c.tipo === 'rotulo').map((c) => c.puntos));
    const filas: HTMLElement[] = [];
    // The group the next rows join: results after a result, a step's bar after its caption.
    let grupo: { e: HTMLElement; clase: string; fin: number } | null = null;
    for (const fila of filasDelEscritorio) {
      fila.sort((a, b) => a.left - b.left);
      // Each caption starts an item; a bar and a read-out join the item before them.
      const items: Control[][] = [];
      for (const c of fila) {
        const ultimo = items[items.length - 1];
        const junta = ultimo && (c.tipo === 'barra' || c.tipo === 'lectura') &&
          ultimo.every((u) => u.tipo !== 'boton' && u.tipo !== 'imagen' && u.tipo !== c.tipo);
        if (junta) ultimo.push(c);
        else items.push([c]);
      }
      const hechos = items.map((item) => {
        const tipos = item.map((c) => c.tipo).join(' ');
        const [primero] = item;
        if (item.some((c) => c.tipo === 'barra')) {
          const e = div(`fila deslizador${primero.tipo === 'rotulo' ? '' : ' sin-rotulo'}`, ...item.map(el));
          if (primero.tipo === 'rotulo' && e.firstElementChild instanceof HTMLElement)
            e.style.setProperty('--color', e.firstElementChild.style.color || 'var(--acento)');
          return { e, clase: 'deslizador' };
        }
        if (tipos === 'rotulo lectura') return { e: div('fila resultado', ...item.map(el)), clase: 'resultado' };
        if (primero.tipo === 'boton') return { e: div('fila botones', ...item.map(el)), clase: 'boton' };
        if (primero.tipo === 'imagen') return { e: div('fila emblema', ...item.map(el)), clase: 'imagen' };
        const e = div('fila leyenda', ...item.map(el));
        if (primero.tipo === 'rotulo' && primero.puntos === mayor && !this.metodo) e.classList.add('titular');
        return { e, clase: 'leyenda' };
      });
      const abajo = Math.max(...fila.map((c) => c.top + c.height));
      const deslizadores = hechos.filter((h) => h.clase === 'deslizador');
      if (deslizadores.length > 1 && hechos.length === deslizadores.length) {
        // A vector: its magnitude and its direction, in its colour.
        const e = div('grupo vector', ...hechos.map((h) => h.e));
        const color = hechos[0].e.style.getPropertyValue('--color');
        if (color) e.style.setProperty('--color', color);
        filas.push(e);
        grupo = null;
        continue;
      }
      const [solo] = hechos;
      const sigue = grupo && hechos.length === 1 && fila[0].top < grupo.fin + kMismoGrupo &&
        (solo.clase === grupo.clase || (grupo.clase === 'leyenda' && solo.clase === 'deslizador'));
      if (grupo && sigue) {
        if (solo.clase === 'boton') grupo.e.lastElementChild!.append(...solo.e.children);
        else grupo.e.append(solo.e);
        grupo.fin = abajo;
        continue;
      }
      if (hechos.length === 1 && solo.clase !== 'imagen' && !(solo.clase === 'leyenda' && !this.metodo)) {
        const e = div(`grupo ${solo.clase === 'boton' ? 'acciones' : solo.clase}`, solo.e);
        filas.push(e);
        grupo = { e, clase: solo.clase, fin: abajo };
        continue;
      }
      grupo = null;
      filas.push(...(hechos.length > 1 && hechos.every((h) => h.clase === 'boton')
        ? [div('grupo acciones principales', div('fila botones', ...hechos.flatMap((h) => [...h.e.children] as HTMLElement[])))]
        : hechos.map((h) => h.e)));
    }
    return filas;
  }
}
