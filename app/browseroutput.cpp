#include "app/browseroutput.h"

#include <emscripten/val.h>

#include <string>

namespace {

using emscripten::val;

val blobOf(const QByteArray &bytes, const char *type)
{
    const val data = val(emscripten::typed_memory_view(
        bytes.size(), reinterpret_cast<const unsigned char *>(bytes.constData())));
    // The view is copied into the blob at once; the bytes need not outlive it.
    val parts = val::array();
    parts.call<void>("push", val::global("Uint8Array").new_(data));
    val options = val::object();
    options.set("type", std::string(type));
    return val::global("Blob").new_(parts, options);
}

} // namespace

void downloadFile(const QString &name, const QByteArray &content, const QString &mimeType)
{
    const val document = val::global("document");
    const val url = val::global("URL").call<val>(
        "createObjectURL", blobOf(content, mimeType.toUtf8().constData()));
    val link = document.call<val>("createElement", std::string("a"));
    link.set("href", url);
    link.set("download", name.toStdString());
    link.set("hidden", true);
    document["body"].call<void>("appendChild", link);
    link.call<void>("click");
    link.call<void>("remove");
    val::global("setTimeout")(
        val::global("URL")["revokeObjectURL"].call<val>("bind", val::global("URL"), url), 60000);
}

bool writePageClipboard(const QString &text, const QString &html, const QByteArray &png)
{
    const val clipboard = val::global("navigator")["clipboard"];
    if (clipboard.isUndefined() || val::global("ClipboardItem").isUndefined()) {
        // A page served over plain http (a school's server by its address)
        // has no clipboard API; the browser's copy command still takes text
        // and HTML, while the key that asked for it is being handled.
        if (text.isEmpty())
            return false;
        const val copyByCommand =
            val::global("Function")
                .new_(std::string("text"), std::string("html"),
                    std::string(
                        "const put = (e) => { e.stopImmediatePropagation(); e.preventDefault();"
                        " e.clipboardData.setData('text/plain', text);"
                        " if (html) e.clipboardData.setData('text/html', html); };"
                        "window.addEventListener('copy', put, true);"
                        "try { return document.execCommand('copy'); } catch (error) { return "
                        "false; }"
                        " finally { window.removeEventListener('copy', put, true); }"));
        return copyByCommand(text.toStdString(), html.toStdString()).as<bool>();
    }
    val parts = val::object();
    if (!text.isEmpty())
        parts.set("text/plain", blobOf(text.toUtf8(), "text/plain"));
    if (!html.isEmpty())
        parts.set("text/html", blobOf(html.toUtf8(), "text/html"));
    if (!png.isEmpty())
        parts.set("image/png", blobOf(png, "image/png"));
    val items = val::array();
    items.call<void>("push", val::global("ClipboardItem").new_(parts));
    // Refused without the page's focus, which the key that asked for it gives.
    clipboard.call<val>("write", items)
        .call<val>("catch", val::global("Function").new_(std::string("")));
    return true;
}

void printInBrowser(const QString &html)
{
    const val document = val::global("document");
    val frame = document.call<val>("createElement", std::string("iframe"));
    frame.set("title", std::string("Решение за печат"));
    frame["style"].set("position", std::string("fixed"));
    frame["style"].set("width", std::string("0"));
    frame["style"].set("height", std::string("0"));
    frame["style"].set("border", std::string("0"));
    frame.set("srcdoc", html.toStdString());
    // Printed once loaded; the frame goes when its print is done.
    frame.set("onload",
        val::global("Function")
            .new_(std::string("event"),
                std::string("const w = event.target.contentWindow;"
                            "w.onafterprint = () => event.target.remove();"
                            "w.focus(); w.print();")));
    document["body"].call<void>("appendChild", frame);
}
