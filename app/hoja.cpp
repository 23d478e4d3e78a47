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
#include "session/opciones.h"

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

        ejercicios_ = new QSpinBox(this);
        ejercicios_->setRange(1, practice::OpcionesDeHoja::kMaximoDeEjercicios);
        ejercicios_->setValue(6);
        metodo_ = new QComboBox(this);
        metodo_->addItem(QCoreApplication::translate("Hoja", "Los dos"),
                         QString::fromUtf8(practice::NombreDeSeleccion({})));
        for (const practice::Metodo* m : practice::Metodos())
            if (m->practica())
                metodo_->addItem(Traducir(m->nombreCorto()), QString::fromUtf8(m->clave()));
        nivel_ = new QComboBox(this);
        for (auto n : {practice::Nivel::Facil, practice::Nivel::Medio, practice::Nivel::Dificil})
            nivel_->addItem(Traducir(practice::NombreVisible(n)), static_cast<int>(n));
        nivel_->setCurrentIndex(1);
        semilla_ = new QLineEdit(this);
        semilla_->setText(
            QString::number(static_cast<std::uint32_t>(QDateTime::currentSecsSinceEpoch())));
        titulo_ = new QLineEdit(Traducir(practice::kTituloDeHoja), this);
        papel_ = new QComboBox(this);
        papel_->addItem(QStringLiteral("A4"), static_cast<int>(practice::Papel::A4));
        papel_->addItem(QCoreApplication::translate("Hoja", "Carta"),
                        static_cast<int>(practice::Papel::Carta));
        dibujados_ =
            new QCheckBox(QCoreApplication::translate("Hoja", "con los vectores dibujados"), this);
        formato_ = new QComboBox(this);
        formato_->addItem(QCoreApplication::translate("Hoja", "Cloze: una pregunta con dos huecos"),
                          static_cast<int>(practice::FormatoDeMoodle::Cloze));
        formato_->addItem(
            QCoreApplication::translate("Hoja", "Numéricas: dos preguntas, con estadísticas"),
            static_cast<int>(practice::FormatoDeMoodle::Numerico));

        auto* formulario = new QFormLayout;
        formulario->addRow(QCoreApplication::translate("Hoja", "&Ejercicios:"), ejercicios_);
        formulario->addRow(QCoreApplication::translate("Hoja", "&Método:"), metodo_);
        formulario->addRow(QCoreApplication::translate("Hoja", "&Nivel:"), nivel_);
        formulario->addRow(QCoreApplication::translate("Hoja", "&Semilla:"), semilla_);
        formulario->addRow(QCoreApplication::translate("Hoja", "&Título:"), titulo_);
        formulario->addRow(QCoreApplication::translate("Hoja", "&Papel:"), papel_);
        formulario->addRow(dibujados_);
        formulario->addRow(QCoreApplication::translate("Hoja", "&Formato de Moodle:"), formato_);

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

        connect(ejercicios_, &QSpinBox::valueChanged, this, &Dialogo::Componer);
        for (QComboBox* c : {metodo_, nivel_, papel_})
            connect(c, &QComboBox::currentIndexChanged, this, &Dialogo::Componer);
        for (QLineEdit* l : {semilla_, titulo_})
            connect(l, &QLineEdit::textChanged, this, &Dialogo::Componer);
        connect(dibujados_, &QCheckBox::toggled, this, &Dialogo::Componer);
        Componer();
    }

private:
    std::optional<practice::OpcionesDeHoja> Opciones() const {
        const auto semilla = session::LeerSemilla(semilla_->text().toStdString());
        if (!semilla) return std::nullopt;
        practice::OpcionesDeHoja opciones;
        opciones.ejercicios = ejercicios_->value();
        opciones.metodo =
            *practice::SeleccionDeNombre(metodo_->currentData().toString().toStdString());
        opciones.nivel = static_cast<practice::Nivel>(nivel_->currentData().toInt());
        opciones.semilla = *semilla;
        opciones.titulo = titulo_->text().toStdString();
        opciones.papel = static_cast<practice::Papel>(papel_->currentData().toInt());
        opciones.dibujados = dibujados_->isChecked();
        return opciones;
    }

    void Componer() {
        const auto opciones = Opciones();
        // A seed being typed may be unreadable for a moment: the preview keeps the last sheet.
        semilla_->setStyleSheet(opciones ? QString() : QStringLiteral("color: #b00000"));
        if (!opciones) return;
        opciones_ = *opciones;
        hoja_ = practice::ComponerHoja(*opciones, EnElIdioma);
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
        const std::vector<std::string> banco = practice::BancoDeMoodle(
            opciones_, static_cast<practice::FormatoDeMoodle>(formato_->currentData().toInt()),
            EnElIdioma);
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
    // The options of the sheet in the preview.
    practice::OpcionesDeHoja opciones_;
    practice::Hoja hoja_;
    QSpinBox* ejercicios_;
    QComboBox* metodo_;
    QComboBox* nivel_;
    QLineEdit* semilla_;
    QLineEdit* titulo_;
    QComboBox* papel_;
    QCheckBox* dibujados_;
    QComboBox* formato_;
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
