#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QtTest>

#include "support/scratchdir.h"
#include "widgets/qtfiledialog.h"

namespace widgets = vetra::widgets;

using widgets::DialogRequest;
using widgets::QtFileDialog;

namespace {

// Answers the next modal dialog from inside its event loop.
template <typename Dialog>
void AnswerNext(std::function<void(Dialog*)> answer) {
    QTimer::singleShot(0, [answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) answer(dialog);
    });
}

}  // namespace

class QtFileDialogTest : public QObject {
    Q_OBJECT
private slots:
    void openSeveralFiles() {
        vetra::test::ScratchDir scratch;
        QString dir = QString::fromStdString(scratch.Path());
        for (const char* name : {"a.lvl", "b.lvl"}) scratch.Write(name, std::string("x"));
        QWidget parent;
        widgets::QtFileDialog dialogs(&parent);
        QString title;
        QStringList filters;
        bool native = true;
        AnswerNext<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
            dialog->setDirectory(dir);
            dialog->selectFile("\"a.lvl\" \"b.lvl\"");
            QMetaObject::invokeMethod(dialog, "accept");
        });
        std::vector<std::string> paths =
            dialogs.OpenFiles(widgets::DialogRequest{"File(s) to deconvert:", "SubSpace Levels (*.lvl)|*.lvl"});
        QCOMPARE(title, QString("File(s) to deconvert:"));
        QCOMPARE(filters, QStringList{"SubSpace Levels (*.lvl)"});
        QVERIFY(!native);
        QCOMPARE(paths.size(), std::size_t(2));
        QVERIFY(QString::fromStdString(paths[0]).endsWith("a.lvl"));
        QVERIFY(QFileInfo(QString::fromStdString(paths[1])).isAbsolute());
    }

    void cancelGivesNothing() {
        QWidget parent;
        widgets::QtFileDialog dialogs(&parent);
        AnswerNext<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        QVERIFY(dialogs.OpenFiles({"t", "Levels|*.lvl"}).empty());
        AnswerNext<QFileDialog>([](QFileDialog* dialog) {
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->defaultSuffix(), QString("bmp"));
            dialog->reject();
        });
        QVERIFY(dialogs.SaveFile({"Create blank map .bmp as:", "Bitmap Files (*.bmp)|*.bmp"}).empty());
    }

    void messageBoxes() {
        QWidget parent;
        widgets::QtFileDialog dialogs(&parent);
        QString title;
        QString text;
        AnswerNext<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.MessageBox("Deconversion complete.\r\n\r\n3 deconverted.");
        QCOMPARE(title, QString("VETRA"));
        QCOMPARE(text, QString("Deconversion complete.\n\n3 deconverted."));
        AnswerNext<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); });
        QVERIFY(!dialogs.AskOkCancel("Sure?"));
        AnswerNext<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
        QVERIFY(dialogs.AskOkCancel("Sure?"));
    }
};

QTEST_MAIN(QtFileDialogTest)
#include "qtfiledialog_test.moc"
