#include "mainwindow/commandesrapport.h"

#include "rapport/textesrapport.h"

#include <QFileDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QString u8(const char* texte) {
    return QString::fromUtf8(texte);
}

} // namespace

QString AideRaccourcisRapport(platform::Langue langue) {
    const auto touches = [](QKeySequence::StandardKey k) {
        return QKeySequence(k).toString(QKeySequence::NativeText);
    };
    return u8(textesRapport(langue).aideRaccourcis)
        .arg(touches(QKeySequence::Copy), touches(QKeySequence::Save),
             touches(QKeySequence::Print));
}

DialoguesRapport DialoguesRapport::standard() {
    DialoguesRapport d;
    // The name is kept as the user typed it: a suffix added after the dialog could replace
    // a file that the dialog never asked about.
    d.fichierEnregistrement = [](QWidget* parent, const QString& titre, const QString& proposition,
                                 const QString& filtre) {
        return QFileDialog::getSaveFileName(parent, titre, proposition, filtre);
    };
    d.reglerImpression = [](QWidget* parent, QPrinter& imprimante, const QString& titre) {
        QPrintDialog dialogue(&imprimante, parent);
        dialogue.setWindowTitle(titre);
        dialogue.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialogue.setOption(QAbstractPrintDialog::PrintPageRange, false);
        return dialogue.exec() == QDialog::Accepted;
    };
    d.avertir = [](QWidget* parent, const QString& titre, const QString& texte) {
        QMessageBox avis(QMessageBox::Warning, titre, texte, QMessageBox::Ok, parent);
        avis.setObjectName(QStringLiteral("EchecRapport"));
        avis.exec();
    };
    return d;
}
