#pragma once

// Makes a folder refuse new entries for as long as the object lives: read-only permissions for an ordinary
// user, the immutable attribute for root (whom permissions do not stop). Works() is false where neither holds.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace vetra::test {

class UnwritableFolder {
public:
    explicit UnwritableFolder(std::string path) : path_(std::move(path)) {
        namespace fs = std::filesystem;
        if (::geteuid() != 0) {
            fs::permissions(path_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                            fs::perm_options::remove);
        } else {
            SetImmutable(true);
        }
        works_ = !CanCreate();
    }
    ~UnwritableFolder() {
        if (::geteuid() == 0) SetImmutable(false);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    }
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;

    bool Works() const { return works_; }

private:
    bool CanCreate() const {
        std::string probe = path_ + "/.probe";
        int fd = ::open(probe.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
        if (fd < 0) return false;
        ::close(fd);
        ::unlink(probe.c_str());
        return true;
    }
    void SetImmutable(bool on) const {
        int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }

    std::string path_;
    bool works_ = false;
};

}  // namespace vetra::test
