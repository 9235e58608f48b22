#include "QtFileDialog.h"

#include "UiResources.h"
#include "UiText.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>

namespace {

// Qt's own state of the dialog (view, history), its size and the last folder, kept with the
// other settings.
const char* const kStateGroup = "FileDialog";
const QSize kDefaultSize(820, 520);

void RestoreDialogState(QFileDialog& dialog, bool hasPlace) {
    QSettings settings(QStringLiteral("KESTA"), QStringLiteral("Visual Brindle"));
    settings.beginGroup(QLatin1String(kStateGroup));
    dialog.restoreState(settings.value(QStringLiteral("state")).toByteArray());
    const QSize size = settings.value(QStringLiteral("size"), kDefaultSize).toSize();
    dialog.resize(size.isValid() ? size : kDefaultSize);
    const QString folder = settings.value(QStringLiteral("folder")).toString();
    if (!hasPlace && !folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
}

void SaveDialogState(const QFileDialog& dialog) {
    QSettings settings(QStringLiteral("KESTA"), QStringLiteral("Visual Brindle"));
    settings.beginGroup(QLatin1String(kStateGroup));
    settings.setValue(QStringLiteral("state"), dialog.saveState());
    settings.setValue(QStringLiteral("size"), dialog.size());
    settings.setValue(QStringLiteral("folder"), dialog.directory().absolutePath());
}

} // namespace

QString QtFilterText(const CFileFilter& filter) {
    QStringList patterns;
    for (const QString& p :
         QString::fromStdString(filter.pattern).split(u';', Qt::SkipEmptyParts)) {
        const QString t = p.trimmed();
        patterns << (t == QLatin1String("*.*") ? QStringLiteral("*") : t);
    }
    if (patterns.isEmpty())
        patterns << QStringLiteral("*");
    QString name = UiText(filter.name).trimmed();
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
        dialog.setWindowTitle(UiText(request.title));
    QStringList filters;
    for (const CFileFilter& f : request.filters)
        filters << QtFilterText(f);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.defaultExt.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
    const QString initial = QString::fromStdString(request.initialName);
    RestoreDialogState(dialog, QFileInfo(initial).isAbsolute());
    if (!initial.isEmpty())
        dialog.selectFile(initial);

    for (;;) {
        const bool accepted = dialog.exec() == QDialog::Accepted;
        SaveDialogState(dialog);
        if (!accepted)
            return {CFileDialogResult::Cancel, {}};
        const QStringList files = dialog.selectedFiles();
        if (files.isEmpty())
            return {CFileDialogResult::Failed, {}};
        const QFileInfo info(files.first());
        if (request.pathMustExist && !info.absoluteDir().exists()) {
            QMessageBox::warning(
                &dialog, QString::fromUtf8(kAppName),
                QCoreApplication::translate("CQtFileDialog", "The folder %1 does not exist.")
                    .arg(info.absolutePath()));
            continue;
        }
        if (request.fileMustExist && !info.isFile()) {
            QMessageBox::warning(
                &dialog, QString::fromUtf8(kAppName),
                QCoreApplication::translate("CQtFileDialog", "The file %1 does not exist.")
                    .arg(info.absoluteFilePath()));
            continue;
        }
        return {CFileDialogResult::Ok, info.absoluteFilePath().toStdString()};
    }
}
