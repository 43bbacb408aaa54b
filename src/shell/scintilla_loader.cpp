#include "shell/scintilla_loader.h"

#include <Qsci/qsciscintillabase.h>

#include <cstdint>

namespace velnix::shell {
namespace {

using DirectFunction = std::intptr_t (*)(void* editor, unsigned int message, std::uintptr_t wParam,
                                         std::intptr_t lParam);

}  // namespace

ILoader* CreateLoader(QsciScintillaBase& editor, std::size_t bytes) {
    // SendScintilla returns a long, 32 bits on Windows: the loader's pointer comes back whole
    // only through the editor's direct function.
    auto* const call = reinterpret_cast<DirectFunction>(
        editor.SendScintillaPtrResult(QsciScintillaBase::SCI_GETDIRECTFUNCTION));
    void* const self = editor.SendScintillaPtrResult(QsciScintillaBase::SCI_GETDIRECTPOINTER);
    // A little room beyond the text: the document's buffer is copied into a larger one when a
    // block, or the end mark that reading it in place adds, would fill it exactly.
    constexpr std::size_t kRoomBeyond = 64;
    // The direct function answers with an integer that holds the loader's pointer.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    return reinterpret_cast<ILoader*>(call(self, QsciScintillaBase::SCI_CREATELOADER,
                                           bytes + kRoomBeyond,
                                           QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE));
}

LoaderSink::~LoaderSink() {
    if (loader_ != nullptr) {
        loader_->Release();
    }
}

void LoaderSink::Expect(std::size_t length) {
    length_.store(length, std::memory_order_relaxed);
    loader_ = CreateLoader(editor_, length);
}

bool LoaderSink::Write(std::string_view block) {
    if (loader_ == nullptr || cancelled_.load(std::memory_order_relaxed)) {
        return false;
    }
    if (loader_->AddData(block.data(), static_cast<std::ptrdiff_t>(block.size())) != 0) {
        return false;  // out of memory
    }
    written_.fetch_add(block.size(), std::memory_order_relaxed);
    return true;
}

void* LoaderSink::takeDocument() {
    if (loader_ == nullptr) {
        return nullptr;
    }
    void* document = loader_->ConvertToDocument();
    loader_ = nullptr;
    return document;
}

}  // namespace velnix::shell
