#include "dialogfixture.h"

#include "image/imagecodec.h"

DialogFixture::DialogFixture(qint16 language, const std::function<void(EditorState &)> &prepare)
    : owner(new QWidget) {
    state.language = language;
    state.loadStartUpValues();
    if (prepare)
        prepare(state);
    dialogs = new OptionDialogs(state, owner.get());
    dialogs->setMessagePort(&port);
    dialogs->setUrlOpener([this](const QUrl &url) { opened.append(url); });
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
