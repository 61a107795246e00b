#include "runtime/files/Shell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <vector>

#include "runtime/files/BundleLayout.h"
#include "runtime/files/FileDescriptor.h"

extern char** environ;

namespace runtime {

namespace files {

std::string SearchPathWithHelpers(const char* currentPath, const std::string& helpersFolder) {
    const std::string rest = currentPath ? currentPath : "/usr/local/bin:/usr/bin:/bin";
    if (helpersFolder.empty() || helpersFolder.find(':') != std::string::npos) return rest;
    return rest.empty() ? helpersFolder : helpersFolder + ":" + rest;
}

}  // namespace files

namespace {

// The environment of this process with PATH replaced.
std::vector<std::string> ChildEnvironment(const std::string& path) {
    std::vector<std::string> variables;
    for (char** v = environ; v && *v; ++v)
        if (std::strncmp(*v, "PATH=", 5) != 0) variables.emplace_back(*v);
    variables.push_back("PATH=" + path);
    return variables;
}

}  // namespace

void Shell::Execute(const String& command) {
    result_ = String();
    errorCode_ = -1;

    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return;
    files::FileDescriptor readEnd(pipeFds[0]);
    files::FileDescriptor writeEnd(pipeFds[1]);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.get(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.get(), STDERR_FILENO);

    const std::string commandLine = command.ToUTF8();
    const char* argv[] = {"sh", "-c", commandLine.c_str(), nullptr};
    const std::vector<std::string> variables = ChildEnvironment(
        files::SearchPathWithHelpers(std::getenv("PATH"), files::HelpersFolderOf(files::ExecutablePath())));
    std::vector<char*> envp;
    for (const std::string& v : variables) envp.push_back(const_cast<char*>(v.c_str()));
    envp.push_back(nullptr);

    // The command starts with no signal blocked or ignored, whatever this
    // process has set for its own threads.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, "/bin/sh", &actions, &attributes, const_cast<char* const*>(argv), envp.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    writeEnd.Reset();
    if (spawned != 0) return;

    std::string output;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(readEnd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        output.append(buffer, static_cast<size_t>(n));
    }
    readEnd.Reset();

    int status = 0;
    pid_t waited;
    do {
        waited = waitpid(pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    result_ = String::FromBytes(std::move(output));
    if (waited != pid) return;
    if (WIFEXITED(status))
        errorCode_ = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        errorCode_ = 128 + WTERMSIG(status);
}

}  // namespace runtime
