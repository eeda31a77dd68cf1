#include "files/readhelpers.h"

namespace hm {

bool RunGuarded(ReadResult& result, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const EndOfData&) {
        result.Error(msg::EndsEarly);
    } catch (const DeviceError& e) {
        result.Error(std::string(msg::ReadError) + ": " + e.text.toStdString());
    }
    result.stoppedEarly = true;
    return false;
}

bool OpenForReading(QFile& file, const QString& path, ReadResult& result) {
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly)) return true;
    result.Error(std::string(msg::ReadError) + ": " + file.errorString().toStdString());
    return false;
}

} // namespace hm
