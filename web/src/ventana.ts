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

const kTwipsPorPixel = 15;
// Below this zoom the window's smallest text would read under 12 CSS px: the controls then flow
// below the picture, as on a phone held upright.
const kZoomMinimo = 0.9;
const kLetraMinima = 12;
const kPuntoEnPixeles = 96 / 72;

export class VentanaWeb {
  readonly raiz: HTMLElement;
  // The row of tools over a method window: views, snapping, undo; other parts add theirs.
  readonly herramientas: HTMLElement;
  readonly titulo: HTMLHeadingElement;
  private readonly area: HTMLElement;
  private readonly elementos = new Map<string, HTMLElement>();
  private tabla: Tabla;
  private sucio = true;
  private descripcion: HTMLElement | null = null;
  private imagen: HTMLElement | null = null;
  private letra: LetraMinima | null = null;
  private arrastre: Arrastre | null = null;
  private editor: { input: HTMLInputElement; control: string } | null = null;
  private estrecha: boolean | null = null;
  private zoom = 1;

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
    this.herramientas.hidden = this.tabla.vectores === 0;
    this.area = document.createElement('div');
    this.area.className = 'area';
    this.raiz.append(this.titulo, this.herramientas, this.area);
    this.raiz.setAttribute('aria-labelledby', (this.titulo.id = `titulo-${nombre}`));
    for (const c of this.porTab()) this.elementos.set(c.nombre, this.crear(c));
    this.retraducir();
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
    e.style.color = c.color;
    if (c.centrado) e.classList.add('centrado');
    e.addEventListener('keydown', (ev) => this.tecla(ev, c));
    this.estado(e, c);
    return e;
  }

  // The table read again from the core: its texts in the page's language, its controls' state.
  retraducir(): void {
    this.tabla = leerTabla(this.entorno.nucleo, this.nombre);
    this.titulo.textContent = this.tabla.titulo;
    this.herramientas.setAttribute('aria-label', this.tabla.titulo);
    for (const c of this.tabla.controles) {
      const e = this.elementos.get(c.nombre)!;
      this.estado(e, c);
      if (e instanceof HTMLInputElement && c.tipo === 'barra') e.value = String(c.valor);
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
    input.style.left = lectura.style.left;
    input.style.top = lectura.style.top;
    input.style.width = lectura.style.width;
    input.style.height = lectura.style.height;
    input.style.fontSize = lectura.style.fontSize;
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

  // Lays the window out in that width, down to that height of the page (CSS pixels): scaled as
  // the desktop's zoom does, or flowing below the picture when that would make its text too small.
  disponer(ancho: number, fondo: number): void {
    const alto = fondo - (this.area.getBoundingClientRect().top + scrollY);
    const zoom = Math.min(
      (ancho * kTwipsPorPixel) / this.tabla.ancho,
      (alto * kTwipsPorPixel) / this.tabla.alto,
    );
    const estrecha = zoom < kZoomMinimo;
    if (estrecha === this.estrecha && zoom === this.zoom) return;
    this.zoom = zoom;
    this.raiz.classList.toggle('estrecha', estrecha);
    if (estrecha !== this.estrecha) {
      this.estrecha = estrecha;
      this.area.replaceChildren(...(estrecha ? this.filas() : this.porTab().map((c) => this.elementos.get(c.nombre)!)));
    }
    const px = (twips: number) => `${(twips * zoom) / kTwipsPorPixel}px`;
    if (!estrecha) {
      this.area.style.width = px(this.tabla.ancho);
      this.area.style.height = px(this.tabla.alto);
    } else {
      this.area.style.width = '';
      this.area.style.height = '';
    }
    for (const c of this.tabla.controles) {
      const e = this.elementos.get(c.nombre)!;
      const letra = c.puntos * kPuntoEnPixeles * (estrecha ? 1 : zoom);
      e.style.fontSize = `${Math.max(letra, estrecha ? kLetraMinima : 0)}px`;
      if (estrecha) {
        for (const p of ['left', 'top', 'width', 'height'] as const) e.style[p] = '';
      } else {
        e.style.left = px(c.left);
        e.style.top = px(c.top);
        e.style.width = px(c.width);
        e.style.height = px(c.height);
      }
    }
  }

  // The controls in rows, each row those that stand level on the desktop, left to right: the
  // picture first, then those over it, then those right of it.
  private filas(): HTMLElement[] {
    const picture = this.tabla.controles.find((c) => c.tipo === 'picture');
    const derecha = (c: Control) => (picture && c.left >= picture.left + picture.width ? 1 : 0);
    const controles = [...this.tabla.controles].sort(
      (a, b) => derecha(a) - derecha(b) || a.top - b.top || a.left - b.left,
    );
    const filas: HTMLElement[] = [];
    let fila: HTMLElement | null = null;
    let arriba = -Infinity;
    let enFila: Control[] = [];
    let lado = 0;
    const cerrar = () => {
      if (!fila) return;
      enFila.sort((a, b) => a.left - b.left);
      fila.append(...enFila.map((c) => this.elementos.get(c.nombre)!));
    };
    for (const c of controles) {
      if (c.tipo === 'picture') {
        filas.unshift(this.elementos.get(c.nombre)!);
        continue;
      }
      if (c.top >= arriba + 300 || derecha(c) !== lado) {
        lado = derecha(c);
        cerrar();
        fila = document.createElement('div');
        fila.className = 'fila';
        filas.push(fila);
        enFila = [];
        arriba = c.top;
      }
      enFila.push(c);
    }
    cerrar();
    return filas;
  }
}
