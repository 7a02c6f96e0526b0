#include "SessionFileName.h"

namespace cashvane {

QString proposedFileName(const QString& profileName)
{
    QString name = profileName;
    name.replace(u' ', u'_');
    name.replace(u'.', u'-');
    for (const QChar dropped : { u'!', u'\'', u'?', u'*' })
        name.remove(dropped);
    return trimBlanks(name);
}

QString inFolder(const QString& homeDir, const QString& name)
{
    return homeDir.endsWith(u'/') ? homeDir + name : homeDir + u'/' + name;
}

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace cashvane
