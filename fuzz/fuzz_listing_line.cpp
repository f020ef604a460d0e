forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
/ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
/ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
A forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
y forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
b forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
y forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
:    forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
    });
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
p forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
j forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
, forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
v forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
f forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
b forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
.forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
#forEachInputLine(input, [&](std::string_view line) {
nubo::RemoteEntry entry;
if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
    (void)entry.localName();
    (void)entry.displayName();
    (void)entry.changeDirectoryName();
    (void)entry.hasUsableLocalName();
}
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
< forEachInputLine(
      input,
      [&](std::string_view line) {
          nubo::RemoteEntry entry;
          if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
              (void)entry.localName();
              (void)entry.displayName();
              (void)entry.changeDirectoryName();
              (void)entry.hasUsableLocalName();
          }
      });
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
f forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
> forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
#forEachInputLine(input, [&](std::string_view line) {
nubo::RemoteEntry entry;
if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
    (void)entry.localName();
    (void)entry.displayName();
    (void)entry.changeDirectoryName();
    (void)entry.hasUsableLocalName();
}
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
< forEachInputLine(
      input,
      [&](std::string_view line) {
          nubo::RemoteEntry entry;
          if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
              (void)entry.localName();
              (void)entry.displayName();
              (void)entry.changeDirectoryName();
              (void)entry.hasUsableLocalName();
          }
      });
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
> forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
#forEachInputLine(input, [&](std::string_view line) {
nubo::RemoteEntry entry;
if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
    (void)entry.localName();
    (void)entry.displayName();
    (void)entry.changeDirectoryName();
    (void)entry.hasUsableLocalName();
}
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
< forEachInputLine(
      input,
      [&](std::string_view line) {
          nubo::RemoteEntry entry;
          if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
              (void)entry.localName();
              (void)entry.displayName();
              (void)entry.changeDirectoryName();
              (void)entry.hasUsableLocalName();
          }
      });
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
> forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
#forEachInputLine(input, [&](std::string_view line) {
nubo::RemoteEntry entry;
if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
    (void)entry.localName();
    (void)entry.displayName();
    (void)entry.changeDirectoryName();
    (void)entry.hasUsableLocalName();
}
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
< forEachInputLine(
      input,
      [&](std::string_view line) {
          nubo::RemoteEntry entry;
          if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
              (void)entry.localName();
              (void)entry.displayName();
              (void)entry.changeDirectoryName();
              (void)entry.hasUsableLocalName();
          }
      });
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
_ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
v forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
w forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
> forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
#forEachInputLine(input, [&](std::string_view line) {
nubo::RemoteEntry entry;
if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
    (void)entry.localName();
    (void)entry.displayName();
    (void)entry.changeDirectoryName();
    (void)entry.hasUsableLocalName();
}
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
"    forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
    (void)entry.localName();
    (void)entry.displayName();
    (void)entry.changeDirectoryName();
    (void)entry.hasUsableLocalName();
}
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
/ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
_ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
p forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
.forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
h forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
"    forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
    (void)entry.localName();
    (void)entry.displayName();
    (void)entry.changeDirectoryName();
    (void)entry.hasUsableLocalName();
}
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
x forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
"    forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
    (void)entry.localName();
    (void)entry.displayName();
    (void)entry.changeDirectoryName();
    (void)entry.hasUsableLocalName();
}
});
C forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
"    forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
    (void)entry.localName();
    (void)entry.displayName();
    (void)entry.changeDirectoryName();
    (void)entry.hasUsableLocalName();
}
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
V forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
M forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
F forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
z forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
z forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
T forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
O forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
I forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
p forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
(forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 c forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 o forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 n forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 s forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 u forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 i forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 n forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 8 forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 _ forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 *forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 d forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 a forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 a forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 , forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 s forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 i forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 z forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 e forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 _ forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 s forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 i forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 z forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 e forEachInputLine(input, [&](std::string_view line) {
     nubo::RemoteEntry entry;
     if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
         (void)entry.localName();
         (void)entry.displayName();
         (void)entry.changeDirectoryName();
         (void)entry.hasUsableLocalName();
     }
 });) forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
{
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });

    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    s forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    t forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    a forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    t forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    i forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    c forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    c forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    o forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    n forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    s forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    t forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    n forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    u forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    b forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    o forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
D forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
h forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
b forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
D forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
m forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
= forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
[forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
] forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
{
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });

    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    n forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    u forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    b forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    o forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
:    forEachInputLine(input, [&](std::string_view line) {
            nubo::RemoteEntry entry;
            if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                (void)entry.localName();
                (void)entry.displayName();
                (void)entry.changeDirectoryName();
                (void)entry.hasUsableLocalName();
            }
    });
:    forEachInputLine(input, [&](std::string_view line) {
            nubo::RemoteEntry entry;
            if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                (void)entry.localName();
                (void)entry.displayName();
                (void)entry.changeDirectoryName();
                (void)entry.hasUsableLocalName();
            }
    });
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
D forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
b forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
:    forEachInputLine(input, [&](std::string_view line) {
            nubo::RemoteEntry entry;
            if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                (void)entry.localName();
                (void)entry.displayName();
                (void)entry.changeDirectoryName();
                (void)entry.hasUsableLocalName();
            }
    });
:    forEachInputLine(input, [&](std::string_view line) {
            nubo::RemoteEntry entry;
            if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                (void)entry.localName();
                (void)entry.displayName();
                (void)entry.changeDirectoryName();
                (void)entry.hasUsableLocalName();
            }
    });
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
:    forEachInputLine(input, [&](std::string_view line) {
            nubo::RemoteEntry entry;
            if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                (void)entry.localName();
                (void)entry.displayName();
                (void)entry.changeDirectoryName();
                (void)entry.hasUsableLocalName();
            }
    });
:    forEachInputLine(input, [&](std::string_view line) {
            nubo::RemoteEntry entry;
            if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                (void)entry.localName();
                (void)entry.displayName();
                (void)entry.changeDirectoryName();
                (void)entry.hasUsableLocalName();
            }
    });
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
(forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 1 forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 0 forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 3 forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 1 forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 , forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 &forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
 d forEachInputLine(input, [&](std::string_view line) {
     nubo::RemoteEntry entry;
     if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
         (void)entry.localName();
         (void)entry.displayName();
         (void)entry.changeDirectoryName();
         (void)entry.hasUsableLocalName();
     }
 });) forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
}
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
(forEachInputLine(input, [&](std::string_view line) {
     nubo::RemoteEntry entry;
     if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
         (void)entry.localName();
         (void)entry.displayName();
         (void)entry.changeDirectoryName();
         (void)entry.hasUsableLocalName();
     }
 });) forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
f forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
(forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 s forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 i forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 z forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 e forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 = forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 = forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 0 forEachInputLine(input, [&](std::string_view line) {
     nubo::RemoteEntry entry;
     if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
         (void)entry.localName();
         (void)entry.displayName();
         (void)entry.changeDirectoryName();
         (void)entry.hasUsableLocalName();
     }
 });) forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
0 forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
b forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
D forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
&forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
= forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
(forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 d forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 a forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 a forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
     [forEachInputLine(input,
                       [&](std::string_view line) {
                           nubo::RemoteEntry entry;
                           if (!line.empty() &&
                               nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                               (void)entry.localName();
                               (void)entry.displayName();
                               (void)entry.changeDirectoryName();
                               (void)entry.hasUsableLocalName();
                           }
                       });
      0 forEachInputLine(input,
                         [&](std::string_view line) {
                             nubo::RemoteEntry entry;
                             if (!line.empty() &&
                                 nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                 (void)entry.localName();
                                 (void)entry.displayName();
                                 (void)entry.changeDirectoryName();
                                 (void)entry.hasUsableLocalName();
                             }
                         });
] forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 &forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 1 forEachInputLine(input, [&](std::string_view line) {
     nubo::RemoteEntry entry;
     if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
         (void)entry.localName();
         (void)entry.displayName();
         (void)entry.changeDirectoryName();
         (void)entry.hasUsableLocalName();
     }
 });) forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
? forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
m forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
h forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
_ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
v forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
w forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
p forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
(    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
r    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
e    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
i    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
n    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
t    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
e    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
r    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
p    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
r    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
e    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
t    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
_    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
c    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
a    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
s    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
t    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
<    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
c    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
o    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
n    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
s    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
t    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
     forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
c    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
h    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
a    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
r    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
*    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
>    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
(    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
d    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
a    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
t    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
a    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
)    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
     forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
+    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
     forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
1    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
,    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
     forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
s    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
i    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
z    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
e    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
     forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
-    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
     forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
1    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
)    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
p forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
/ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
/ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
L forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
h forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
h forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
m forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
p forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
, forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
m forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
5 forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
1 forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
1 forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
h forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
c forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
.forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
z forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
_ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
= forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
0 forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
w forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
h forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
(forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 s forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 a forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 r forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 < forEachInputLine(
       input,
       [&](std::string_view line) {
           nubo::RemoteEntry entry;
           if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
               (void)entry.localName();
               (void)entry.displayName();
               (void)entry.changeDirectoryName();
               (void)entry.hasUsableLocalName();
           }
       });
 = forEachInputLine(
     input,
     [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });
 forEachInputLine(
     input,
     [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });
 i forEachInputLine(
     input,
     [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });
 n forEachInputLine(
     input,
     [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });
 p forEachInputLine(
     input,
     [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });
 u forEachInputLine(
     input,
     [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });
 t forEachInputLine(
     input,
     [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });
     .forEachInputLine(
         input,
         [&](std::string_view line) {
             nubo::RemoteEntry entry;
             if (!line.empty() &&
                 nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                 (void)entry.localName();
                 (void)entry.displayName();
                 (void)entry.changeDirectoryName();
                 (void)entry.hasUsableLocalName();
             }
         });
 s forEachInputLine(
     input,
     [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });
 i forEachInputLine(
     input,
     [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });
 z forEachInputLine(
     input,
     [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });
 e forEachInputLine(
     input,
     [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });
 (forEachInputLine(
      input,
      [&](std::string_view line) {
          nubo::RemoteEntry entry;
          if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
              (void)entry.localName();
              (void)entry.displayName();
              (void)entry.changeDirectoryName();
              (void)entry.hasUsableLocalName();
          }
      });)
     forEachInputLine(
         input,
         [&](std::string_view line) {
             nubo::RemoteEntry entry;
             if (!line.empty() &&
                 nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                 (void)entry.localName();
                 (void)entry.displayName();
                 (void)entry.changeDirectoryName();
                 (void)entry.hasUsableLocalName();
             }
         });) forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
{
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });

    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    s forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    i forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    z forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    _ forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    t forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    n forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    d forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    = forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    i forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    n forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    p forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    u forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    t forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    .forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    f forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    i forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    n forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    d forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    _ forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    f forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    i forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    r forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    s forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    t forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    _ forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    o forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    f forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
(    forEachInputLine(input, [&](std::string_view line) {
            nubo::RemoteEntry entry;
            if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                (void)entry.localName();
                (void)entry.displayName();
                (void)entry.changeDirectoryName();
                (void)entry.hasUsableLocalName();
            }
    });
"    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
});
\ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
\ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
"    forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
    (void)entry.localName();
    (void)entry.displayName();
    (void)entry.changeDirectoryName();
    (void)entry.hasUsableLocalName();
}
});
, forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
)    forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
    });
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
f forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
(forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 e forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 n forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 d forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 = forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 = forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 s forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 d forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 : forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 : forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 s forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 r forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 i forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 n forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 g forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 _ forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 v forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 i forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 e forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 w forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 : forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 : forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 n forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 p forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 o forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 s forEachInputLine(input, [&](std::string_view line) {
     nubo::RemoteEntry entry;
     if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
         (void)entry.localName();
         (void)entry.displayName();
         (void)entry.changeDirectoryName();
         (void)entry.hasUsableLocalName();
     }
 });) forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
= forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
p forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
.forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
z forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
(forEachInputLine(input, [&](std::string_view line) {
     nubo::RemoteEntry entry;
     if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
         (void)entry.localName();
         (void)entry.displayName();
         (void)entry.changeDirectoryName();
         (void)entry.hasUsableLocalName();
     }
 });) forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
:    forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
    });
:    forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
    });
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
g forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
_ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
v forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
w forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
l forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
= forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
p forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
.forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
b forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
(    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
s    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
t    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
a    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
r    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
t    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
,    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
     forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
s    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
t    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
d    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
:    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
m    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
i    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
n    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
<    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
s    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
i    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
z    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
e    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
_    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
t    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
>    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
(    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
e    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
n    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
d    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
     forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
-    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
     forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
s    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
t    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
a    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
r    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
t    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
,    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
     forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
5    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
1    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
1    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
)    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
)    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
b forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
:    forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
    });
:    forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
    });
R forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
m forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
o forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
E forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
y forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
y forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
i forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
f forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
(forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 !forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
 l forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 i forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 n forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 e forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
     .forEachInputLine(input,
                       [&](std::string_view line) {
                           nubo::RemoteEntry entry;
                           if (!line.empty() &&
                               nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                               (void)entry.localName();
                               (void)entry.displayName();
                               (void)entry.changeDirectoryName();
                               (void)entry.hasUsableLocalName();
                           }
                       });
 e forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 m forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 p forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 y forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 (forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });)forEachInputLine(input,
                                        [&](std::string_view line) {
                                            nubo::RemoteEntry entry;
                                            if (!line.empty() &&
                                                nubo::parseListingLine(line, pending, entry, locale,
                                                                       1800000000)) {
                                                (void)entry.localName();
                                                (void)entry.displayName();
                                                (void)entry.changeDirectoryName();
                                                (void)entry.hasUsableLocalName();
                                            }
                                        });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 &forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
 &forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
 forEachInputLine(input,
                  [&](std::string_view line) {
                      nubo::RemoteEntry entry;
                      if (!line.empty() &&
                          nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                          (void)entry.localName();
                          (void)entry.displayName();
                          (void)entry.changeDirectoryName();
                          (void)entry.hasUsableLocalName();
                      }
                  });
 n forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 u forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 b forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 o forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 : forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 : forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 p forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 a forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 r forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 s forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 e forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 L forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 i forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 s forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 t forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 i forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 n forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 g forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 L forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 i forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 n forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 e forEachInputLine(input,
                    [&](std::string_view line) {
                        nubo::RemoteEntry entry;
                        if (!line.empty() &&
                            nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                            (void)entry.localName();
                            (void)entry.displayName();
                            (void)entry.changeDirectoryName();
                            (void)entry.hasUsableLocalName();
                        }
                    });
 (forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
  l forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  i forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  n forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  e forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  , forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
  p forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  e forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  n forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  d forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  i forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  n forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  g forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  , forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
  e forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  n forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  t forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  r forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  y forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  , forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
  l forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  o forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  c forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  a forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  l forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  e forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  , forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  forEachInputLine(input,
                   [&](std::string_view line) {
                       nubo::RemoteEntry entry;
                       if (!line.empty() &&
                           nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                           (void)entry.localName();
                           (void)entry.displayName();
                           (void)entry.changeDirectoryName();
                           (void)entry.hasUsableLocalName();
                       }
                   });
  1 forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  8 forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  0 forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  0 forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  0 forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  0 forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  0 forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  0 forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  0 forEachInputLine(input,
                     [&](std::string_view line) {
                         nubo::RemoteEntry entry;
                         if (!line.empty() &&
                             nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                             (void)entry.localName();
                             (void)entry.displayName();
                             (void)entry.changeDirectoryName();
                             (void)entry.hasUsableLocalName();
                         }
                     });
  0 forEachInputLine(input, [&](std::string_view line) {
      nubo::RemoteEntry entry;
      if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
          (void)entry.localName();
          (void)entry.displayName();
          (void)entry.changeDirectoryName();
          (void)entry.hasUsableLocalName();
      }
  });)forEachInputLine(input, [&](std::string_view line) {
     nubo::RemoteEntry entry;
     if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
         (void)entry.localName();
         (void)entry.displayName();
         (void)entry.changeDirectoryName();
         (void)entry.hasUsableLocalName();
     }
 });) forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
{
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });

    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    (forEachInputLine(input,
                      [&](std::string_view line) {
                          nubo::RemoteEntry entry;
                          if (!line.empty() &&
                              nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                              (void)entry.localName();
                              (void)entry.displayName();
                              (void)entry.changeDirectoryName();
                              (void)entry.hasUsableLocalName();
                          }
                      });
     v forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     o forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     i forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     d forEachInputLine(input, [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });) forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    n forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    t forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    r forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    y forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    .forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    l forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    o forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    c forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    a forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    l forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    N forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    a forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    m forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    (forEachInputLine(input, [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });) forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    ;
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });

    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    (forEachInputLine(input,
                      [&](std::string_view line) {
                          nubo::RemoteEntry entry;
                          if (!line.empty() &&
                              nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                              (void)entry.localName();
                              (void)entry.displayName();
                              (void)entry.changeDirectoryName();
                              (void)entry.hasUsableLocalName();
                          }
                      });
     v forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     o forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     i forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     d forEachInputLine(input, [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });) forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    n forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    t forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    r forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    y forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    .forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    d forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    i forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    s forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    p forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    l forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    a forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    y forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    N forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    a forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    m forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    (forEachInputLine(input, [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });) forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    ;
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });

    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    (forEachInputLine(input,
                      [&](std::string_view line) {
                          nubo::RemoteEntry entry;
                          if (!line.empty() &&
                              nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                              (void)entry.localName();
                              (void)entry.displayName();
                              (void)entry.changeDirectoryName();
                              (void)entry.hasUsableLocalName();
                          }
                      });
     v forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     o forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     i forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     d forEachInputLine(input, [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });) forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    n forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    t forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    r forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    y forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    .forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    c forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    h forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    a forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    n forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    g forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    D forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    i forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    r forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    c forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    t forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    o forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    r forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    y forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    N forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    a forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    m forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    (forEachInputLine(input, [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });) forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    ;
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });

    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    (forEachInputLine(input,
                      [&](std::string_view line) {
                          nubo::RemoteEntry entry;
                          if (!line.empty() &&
                              nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                              (void)entry.localName();
                              (void)entry.displayName();
                              (void)entry.changeDirectoryName();
                              (void)entry.hasUsableLocalName();
                          }
                      });
     v forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     o forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     i forEachInputLine(input,
                        [&](std::string_view line) {
                            nubo::RemoteEntry entry;
                            if (!line.empty() &&
                                nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
                                (void)entry.localName();
                                (void)entry.displayName();
                                (void)entry.changeDirectoryName();
                                (void)entry.hasUsableLocalName();
                            }
                        });
     d forEachInputLine(input, [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });) forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    n forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    t forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    r forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    y forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    .forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    h forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    a forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    s forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    U forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    s forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    a forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    b forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    l forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    L forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    o forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    c forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    a forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    l forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    N forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    a forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    m forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    e forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    (forEachInputLine(input, [&](std::string_view line) {
         nubo::RemoteEntry entry;
         if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
             (void)entry.localName();
             (void)entry.displayName();
             (void)entry.changeDirectoryName();
             (void)entry.hasUsableLocalName();
         }
     });) forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    ;
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });

    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
    forEachInputLine(input, [&](std::string_view line) {
        nubo::RemoteEntry entry;
        if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
            (void)entry.localName();
            (void)entry.displayName();
            (void)entry.changeDirectoryName();
            (void)entry.hasUsableLocalName();
        }
    });
}
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
s forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
a forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
= forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
d forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
+ forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
1 forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
}
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
e forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
t forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
u forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
r forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
n forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
0 forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
;
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
}
forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});

forEachInputLine(input, [&](std::string_view line) {
    nubo::RemoteEntry entry;
    if (!line.empty() && nubo::parseListingLine(line, pending, entry, locale, 1800000000)) {
        (void)entry.localName();
        (void)entry.displayName();
        (void)entry.changeDirectoryName();
        (void)entry.hasUsableLocalName();
    }
});
