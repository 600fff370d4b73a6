#include "PrintPdf.h"

#include "Print.h"
#include "Translate.h"

#include <ProjectState.h>

#include <QBuffer>
#include <QPdfWriter>

QByteArray ProjectSheetPdf(const ProjectState& project, const QString& note)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    bool printed = false;
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(Tr(project.CaptionText()));
        writer.setCreator(QStringLiteral("Ramvik"));
        printed = PrintProject(writer, project, note);
    } // the writer finishes the document when it goes
    return printed ? pdf.data() : QByteArray();
}
