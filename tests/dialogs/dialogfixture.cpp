#include "dialogfixture.h"

#include "image/imagecodec.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

DialogFixture::DialogFixture(qint16 language, const std::function<void(EditorState &)> &prepare)
    : owner(new QWidget) {
    state.language = language;
    state.loadStartUpValues();
    if (prepare)
        prepare(state);
    dialogs = new OptionDialogs(state, owner.get());
    dialogs->setMessagePort(&port);
    owner->resize(200, 100);
    owner->show();
    dialogs->SetLanguageText(language);
}

DialogFixture::~DialogFixture() = default;

bool DialogFixture::decode(const QByteArray &bytes) {
    if (!DecodeImage(state, imageFromBytes(bytes)))
        return false;
    dialogs->refreshAfterDecode();
    return true;
}

QByteArray startUpImageWith(int offset, const QByteArray &bytes) {
    EditorState st;
    st.language = 1;
    st.loadStartUpValues();
    QByteArray image = bytesFromImage(EncodeImage(st));
    image.replace(offset, bytes.size(), bytes);
    return image;
}

QString captionOf(QWidget *window, const QString &control) {
    if (control.isEmpty())
        return window->windowTitle();
    QWidget *c = window->findChild<QWidget *>(control);
    if (auto *l = qobject_cast<QLabel *>(c))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(c))
        return b->text();
    if (auto *g = qobject_cast<QGroupBox *>(c))
        return g->title();
    return QStringLiteral("<missing>");
}
