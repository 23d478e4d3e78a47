// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/hoja.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <algorithm>

#include "app/dialogos.h"
#include "app/idioma.h"
#include "app/zoom.h"
#include "canvas/qt/painter.h"
#include "practice/moodle.h"
#include "session/dialogos.h"

namespace trazalia::app {

namespace {

QPageSize TamanoDePagina(const practice::Hoja& hoja) {
    // Twips are twentieths of a point.
    return QPageSize(QSizeF(hoja.ancho / 20, hoja.alto / 20), QPageSize::Point, QString(),
                     QPageSize::ExactMatch);
}

}  // namespace

bool PintarHoja(const practice::Hoja& hoja, QPagedPaintDevice& dispositivo) {
    QPainter painter;
    if (!painter.begin(&dispositivo)) return false;
    // Device units in a logical pixel, which is 1/96 inch on any device: a centimetre on the
    // sheet is one on paper.
    const qreal escala = qreal(dispositivo.logicalDpiX()) / canvas::kLogicalDpi;
    for (std::size_t i = 0; i < hoja.paginas.size(); ++i) {
        if (i > 0 && !dispositivo.newPage()) return false;
        painter.save();
        // A printer's painter starts inside its margins; the sheet has its own.
        const QRectF margenes = dispositivo.pageLayout().paintRectPixels(dispositivo.logicalDpiX());
        painter.translate(-margenes.topLeft());
        canvas::Replay(hoja.paginas[i], painter, escala);
        painter.restore();
    }
    return painter.end();
}

QByteArray PdfDeHoja(const practice::Hoja& hoja) {
    // One device unit per twip.
    return canvas::WritePdf(QCoreApplication::translate("Hoja", "Hoja de ejercicios"), 1440,
                            TamanoDePagina(hoja),
                            [&](QPdfWriter& pdf) { return PintarHoja(hoja, pdf); });
}

bool GuardarHoja(const practice::Hoja& hoja, const QString& ruta, QString* error) {
    const QByteArray pdf = PdfDeHoja(hoja);
    if (pdf.isEmpty()) {
        if (error) *error = QCoreApplication::translate("Hoja", "no se pudo generar la hoja");
        return false;
    }
    return canvas::SaveFile(pdf, ruta, error);
}

namespace {

constexpr QSize kTamanoDeDialogo(960, 680);

// The options beside a preview of the sheet they make; the preview follows every change. At the
// window's scale, like the window: fonts, size and the preview's zoom.
class Dialogo final : public QDialog {
public:
    explicit Dialogo(QWidget* ventana, Dialogos& dialogos)
        : QDialog(ventana),
          dialogos_(dialogos),
          impresora_(QPrinter::HighResolution),
          factor_(FactorDe(ventana)) {
        setObjectName(QStringLiteral("hoja"));
        setWindowTitle(QCoreApplication::translate("Hoja", "Hoja de ejercicios"));
        impresora_.setDocName(QCoreApplication::translate("Hoja", "Hoja de ejercicios"));

        // The fields as the core describes them, in its order, each control kept beside its field.
        auto* formulario = new QFormLayout;
        for (const session::Campo& campo : campos_) {
            QWidget* control = Control(campo);
            controles_.push_back(control);
            if (campo.clase == session::Clase::Casilla)
                formulario->addRow(control);
            else
                formulario->addRow(Rotulo(campo.rotulo), control);
        }

        auto* botones = new QDialogButtonBox(QDialogButtonBox::Close, this);
        QPushButton* guardar = botones->addButton(
            QCoreApplication::translate("Hoja", "&Guardar PDF…"), QDialogButtonBox::ActionRole);
        QPushButton* imprimir = botones->addButton(
            QCoreApplication::translate("Hoja", "&Imprimir…"), QDialogButtonBox::ActionRole);
        QPushButton* moodle =
            botones->addButton(QCoreApplication::translate("Hoja", "E&xportar a Moodle…"),
                               QDialogButtonBox::ActionRole);
        connect(guardar, &QPushButton::clicked, this, &Dialogo::Guardar);
        connect(imprimir, &QPushButton::clicked, this, &Dialogo::Imprimir);
        connect(moodle, &QPushButton::clicked, this, &Dialogo::ExportarAMoodle);
        connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
        formulario->addRow(botones);

        vista_ = new QPrintPreviewWidget(&impresora_, this);
        vista_->setAccessibleName(QCoreApplication::translate("Hoja", "Vista previa de la hoja"));
        connect(vista_, &QPrintPreviewWidget::paintRequested, this,
                [this](QPrinter* impresora) { PintarHoja(hoja_, *impresora); });

        auto* capas = new QHBoxLayout(this);
        capas->addLayout(formulario);
        capas->addWidget(vista_, 1);
        resize(kTamanoDeDialogo);
        if (factor_ != 1) Escalar();

        // Any field but the bank's format changes the sheet.
        for (std::size_t i = 0; i < campos_.size(); ++i) {
            if (!(campos_[i].modos & session::Bit(session::Modo::Hoja))) continue;
            QWidget* c = controles_[i];
            if (auto* numero = qobject_cast<QSpinBox*>(c))
                connect(numero, &QSpinBox::valueChanged, this, &Dialogo::Componer);
            else if (auto* lista = qobject_cast<QComboBox*>(c))
                connect(lista, &QComboBox::currentIndexChanged, this, &Dialogo::Componer);
            else if (auto* linea = qobject_cast<QLineEdit*>(c))
                connect(linea, &QLineEdit::textChanged, this, &Dialogo::Componer);
            else if (auto* casilla = qobject_cast<QCheckBox*>(c))
                connect(casilla, &QCheckBox::toggled, this, &Dialogo::Componer);
        }
        Componer();
    }

private:
    static QString Rotulo(const session::Rotulo& r) {
        return r.contexto ? QCoreApplication::translate(r.contexto, r.texto)
                          : QString::fromUtf8(r.texto);
    }

    QWidget* Control(const session::Campo& campo) {
        const QString porOmision = QString::fromStdString(campo.porOmision);
        switch (campo.clase) {
            case session::Clase::Entero: {
                auto* numero = new QSpinBox(this);
                numero->setRange(campo.minimo, campo.maximo);
                numero->setValue(porOmision.toInt());
                return numero;
            }
            case session::Clase::Eleccion: {
                auto* lista = new QComboBox(this);
                for (const session::Eleccion& e : campo.elecciones)
                    lista->addItem(Rotulo(e.rotulo), QString::fromStdString(e.valor));
                lista->setCurrentIndex(lista->findData(porOmision));
                return lista;
            }
            case session::Clase::Semilla:
                return new QLineEdit(
                    QString::number(static_cast<std::uint32_t>(QDateTime::currentSecsSinceEpoch())),
                    this);
            case session::Clase::Texto:
                return new QLineEdit(
                    campo.textoPorOmision.contexto ? Rotulo(campo.textoPorOmision) : porOmision,
                    this);
            case session::Clase::Casilla: {
                auto* casilla = new QCheckBox(Rotulo(campo.rotulo), this);
                casilla->setChecked(!porOmision.isEmpty());
                return casilla;
            }
        }
        return nullptr;
    }

    // Each field's value as its option takes it.
    std::vector<std::string> Valores() const {
        std::vector<std::string> valores;
        for (QWidget* c : controles_) {
            QString valor;
            if (auto* numero = qobject_cast<QSpinBox*>(c))
                valor = QString::number(numero->value());
            else if (auto* lista = qobject_cast<QComboBox*>(c))
                valor = lista->currentData().toString();
            else if (auto* linea = qobject_cast<QLineEdit*>(c))
                valor = linea->text();
            else if (auto* casilla = qobject_cast<QCheckBox*>(c))
                valor = casilla->isChecked() ? QStringLiteral("1") : QString();
            valores.push_back(valor.toStdString());
        }
        return valores;
    }

    // What the fields ask for in the mode, read as the command line is; none when a field, the
    // seed being typed, cannot be read.
    std::optional<session::Pedido> Pedido(session::Modo modo) const {
        auto leido = session::LeerDialogo(campos_, Valores(), modo, {{}, 0, EnElIdioma});
        if (auto* pedido = std::get_if<session::Pedido>(&leido)) return std::move(*pedido);
        return std::nullopt;
    }

    QLineEdit* Semilla() const {
        for (std::size_t i = 0; i < campos_.size(); ++i)
            if (campos_[i].clase == session::Clase::Semilla)
                return qobject_cast<QLineEdit*>(controles_[i]);
        return nullptr;
    }

    void Componer() {
        const auto pedido = Pedido(session::Modo::Hoja);
        // A seed being typed may be unreadable for a moment: the preview keeps the last sheet.
        if (QLineEdit* semilla = Semilla())
            semilla->setStyleSheet(pedido ? QString() : QStringLiteral("color: #b00000"));
        if (!pedido) return;
        valoresDeLaVista_ = Valores();
        hoja_ = practice::ComponerHoja(pedido->opcionesDeHoja, EnElIdioma);
        impresora_.setPageLayout(
            QPageLayout(TamanoDePagina(hoja_), QPageLayout::Portrait, QMarginsF()));
        if (factor_ != 1) vista_->setZoomFactor(factor_ * ZoomQueCabe());
        vista_->updatePreview();
    }

    // Fonts, icons and size at the window's scale, within the screen. The preview shows the page
    // that many times as large as whole at the dialog's own size; a screen too small for the
    // dialog scrolls the page rather than shrink it.
    void Escalar() {
        layout()->activate();
        vistaPropia_ = vista_->size();
        EscalarDialogo(*this, factor_);
        QSize tamano = kTamanoDeDialogo * factor_;
        if (const QScreen* pantalla = parentWidget() ? parentWidget()->screen() : screen())
            tamano = tamano.boundedTo(pantalla->availableGeometry().size() - Zoom::kMarco);
        resize(tamano);
        vista_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    }

    // The zoom at which the page fits the preview at the dialog's own size, as Qt fits it: with
    // a border of a 25th of its longer side, 2 pixels inside the view's frame. At 1 the page
    // shows at its size on paper.
    double ZoomQueCabe() const {
        const double borde = 2 * std::max(hoja_.ancho, hoja_.alto) / 25;
        const auto* vista = vista_->findChild<QGraphicsView*>();
        const int marco = 2 * ((vista ? vista->frameWidth() : 0) + 2);
        const double pixeles = vista_->logicalDpiY() / 1440.0;
        return std::min((vistaPropia_.width() - marco) / ((hoja_.ancho + borde) * pixeles),
                        (vistaPropia_.height() - marco) / ((hoja_.alto + borde) * pixeles));
    }

    void Guardar() {
        // The name offered in the user's language, as the sheet's title is.
        QString ruta = dialogos_.ArchivoDeUnTipo(
            this, QCoreApplication::translate("Hoja", "hoja") + QStringLiteral(".pdf"),
            QCoreApplication::translate("Hoja", "Guardar la hoja"),
            QCoreApplication::translate("Hoja", "Documento PDF (*.pdf)"));
        if (ruta.isEmpty()) return;
        if (QFileInfo(ruta).suffix().compare(u"pdf", ::Qt::CaseInsensitive) != 0)
            ruta += QStringLiteral(".pdf");
        QString error;
        if (GuardarHoja(hoja_, ruta, &error)) return;
        if (!error.isEmpty()) error[0] = error[0].toUpper();
        dialogos_.Aviso(this, QCoreApplication::translate("Hoja", "No se pudo guardar la hoja"),
                        error + u'.');
    }

    // The exercises of the sheet in the preview, as a question bank: in numbered files when one
    // would pass what Moodle imports at once, which the user is told.
    void ExportarAMoodle() {
        QString ruta = dialogos_.ArchivoDeUnTipo(
            this, QStringLiteral("moodle.xml"),
            QCoreApplication::translate("Hoja", "Exportar a Moodle"),
            QCoreApplication::translate("Hoja", "Banco de preguntas de Moodle (*.xml)"));
        if (ruta.isEmpty()) return;
        if (QFileInfo(ruta).suffix().compare(u"xml", ::Qt::CaseInsensitive) != 0)
            ruta += QStringLiteral(".xml");
        // The sheet in the preview, with the bank's own fields as they are now.
        std::vector<std::string> valores = valoresDeLaVista_;
        const std::vector<std::string> ahora = Valores();
        for (std::size_t i = 0; i < campos_.size(); ++i)
            if (!(campos_[i].modos & session::Bit(session::Modo::Hoja))) valores[i] = ahora[i];
        const auto leido =
            session::LeerDialogo(campos_, valores, session::Modo::Moodle, {{}, 0, EnElIdioma});
        const auto* pedido = std::get_if<session::Pedido>(&leido);
        if (!pedido) {
            dialogos_.Aviso(this,
                            QCoreApplication::translate("Hoja", "No se pudo exportar a Moodle"),
                            QString::fromStdString(std::get<std::string>(leido)));
            return;
        }
        const std::vector<std::string> banco =
            practice::BancoDeMoodle(pedido->opcionesDeHoja, pedido->formatoDeMoodle, EnElIdioma);
        QStringList nombres;
        for (std::size_t i = 0; i < banco.size(); ++i) {
            const QString parte = QString::fromStdString(
                practice::NombreDeParte(ruta.toStdString(), i + 1, banco.size()));
            QString error;
            if (!canvas::SaveFile(QByteArray::fromStdString(banco[i]), parte, &error)) {
                if (!error.isEmpty()) error[0] = error[0].toUpper();
                dialogos_.Aviso(this,
                                QCoreApplication::translate("Hoja", "No se pudo exportar a Moodle"),
                                error + u'.');
                return;
            }
            nombres << QFileInfo(parte).fileName();
        }
        if (banco.size() > 1)
            dialogos_.Aviso(
                this, QCoreApplication::translate("Hoja", "Exportar a Moodle"),
                QCoreApplication::translate(
                    "Hoja",
                    "El banco pasa de 2 MB, lo más que Moodle importa de una vez: se escribió en "
                    "%1 archivos, %2, para importarlos uno tras otro.")
                    .arg(banco.size())
                    .arg(nombres.join(QStringLiteral(", "))));
    }

    void Imprimir() {
        QPrintDialog dialogo(&impresora_, this);
        if (dialogo.exec() != QDialog::Accepted) return;
        if (!PintarHoja(hoja_, impresora_))
            dialogos_.Aviso(this, QCoreApplication::translate("Hoja", "No se pudo imprimir"),
                            QCoreApplication::translate("Hoja", "La impresora no aceptó la hoja."));
    }

    Dialogos& dialogos_;
    QPrinter impresora_;
    practice::Hoja hoja_;
    const std::vector<session::Campo>& campos_ = session::CamposDeHoja();
    // Parallel to campos_.
    std::vector<QWidget*> controles_;
    // The values of the sheet in the preview.
    std::vector<std::string> valoresDeLaVista_;
    QPrintPreviewWidget* vista_;
    const double factor_;
    // The preview's size at the dialog's own size.
    QSize vistaPropia_;
};

}  // namespace

QDialog* DialogoDeHoja(QWidget* ventana, Dialogos& dialogos) {
    auto* dialogo = new Dialogo(ventana, dialogos);
    dialogo->setAttribute(::Qt::WA_DeleteOnClose);
    dialogo->open();
    return dialogo;
}

}  // namespace trazalia::app
