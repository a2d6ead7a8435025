#include "platform/Session.h"

#include "engine/FileIo.h"

Session& Session::instance()
{
    static Session session;
    return session;
}

bool Session::databaseExists() const
{
    return !databaseName.empty() && quor3::fileExists(databasePath());
}
