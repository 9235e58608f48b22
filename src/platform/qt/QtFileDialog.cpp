#include "QtFileDialog.h"

#include "UiResources.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

QString QtFilterText(const CFileFilter& filter) {
    QStringList patterns;
    for (const QString& p :
         QString::fromStdString(filter.pattern).split(u';', Qt::SkipEmptyParts)) {
        const QString t = p.trimmed();
        patterns << (t == QLatin1String("*.*") ? QStringLiteral("*") : t);
    }
    if (patterns.isEmpty())
        patterns << QStringLiteral("*");
    QString name = QString::fromStdString(filter.name).trimmed();
    // A name that already ends with its patterns in parentheses drops them; Qt reads the
    // patterns from the last parentheses of the text.
    if (name.endsWith(u')')) {
        const qsizetype open = name.lastIndexOf(u'(');
        if (open >= 0)
            name = name.left(open).trimmed();
    }
    return name + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

CFileDialogResult CQtFileDialog::Run(const CFileDialogRequest& request) {
    QWidget* parent = m_parent ? m_parent : QApplication::activeWindow();
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const bool save = request.kind == CFileDialogRequest::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (!request.title.empty())
        dialog.setWindowTitle(QString::fromStdString(request.title));
    QStringList filters;
    for (const CFileFilter& f : request.filters)
        filters << QtFilterText(f);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.defaultExt.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
    if (!request.initialName.empty())
        dialog.selectFile(QString::fromStdString(request.initialName));

    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return {CFileDialogResult::Cancel, {}};
        const QStringList files = dialog.selectedFiles();
        if (files.isEmpty())
            return {CFileDialogResult::Failed, {}};
        const QFileInfo info(files.first());
        if (request.pathMustExist && !info.absoluteDir().exists()) {
            QMessageBox::warning(
                &dialog, QString::fromUtf8(kAppName),
                QStringLiteral("The folder %1 does not exist.").arg(info.absolutePath()));
            continue;
        }
        if (request.fileMustExist && !info.isFile()) {
            QMessageBox::warning(
                &dialog, QString::fromUtf8(kAppName),
                QStringLiteral("The file %1 does not exist.").arg(info.absoluteFilePath()));
            continue;
        }
        return {CFileDialogResult::Ok, info.absoluteFilePath().toStdString()};
    }
}
