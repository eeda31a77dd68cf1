#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs
# there: every file in its place, the desktop entry, MIME types and metadata
# valid and agreeing with each other, the types known by name and by content,
# and the thumbnailer writing a PNG of the asked size for each type.
# Usage: installcheck.sh BUILD_DIR SOURCE_DIR APP_ID
set -euo pipefail
build=$1 source=$2 id=$3

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
share=$prefix/share
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# The desktop's view of the prefix only, not the user's own types.
export XDG_DATA_DIRS=$share:/usr/share XDG_DATA_HOME=$prefix/home-data

cmake --install "$build" --prefix "$prefix" >/dev/null

# Width and height of a PNG, from its header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" |
        awk '{ printf "%dx%d", $1 * 16777216 + $2 * 65536 + $3 * 256 + $4,
                               $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}
# The value of KEY= in a desktop-style file, as ;-separated words on lines.
key_words() { sed -n "s/^$2=//p" "$1" | tr ';' '\n' | sed '/^$/d' | sort; }

# --- files in their places
desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
mime_xml=$share/mime/packages/heddlemark.xml
thumbnailer=$share/thumbnailers/heddlemark.thumbnailer
for f in bin/heddlemark bin/heddlemark-cli; do
    [ -x "$prefix/$f" ] || fail "$f is not an installed program"
done
for f in "$desktop" "$metainfo" "$mime_xml" "$thumbnailer" \
    "$share/icons/hicolor/scalable/apps/$id.svg"; do
    [ -s "$f" ] || fail "missing ${f#"$prefix"/}"
done
for size in 16 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/$id.png
    if [ ! -s "$icon" ]; then
        fail "missing icon ${icon#"$prefix"/}"
    elif [ "$(png_size "$icon")" != "${size}x$size" ]; then
        fail "icon ${size}x$size is $(png_size "$icon")"
    fi
done
(cd "$source/docs/manual" && find . -type f) | while read -r page; do
    [ -f "$share/doc/heddlemark/manual/$page" ] || echo "$page"
done | grep -q . && fail "manual pages missing under share/doc/heddlemark/manual"

# --- validators
desktop-file-validate "$desktop" || fail "desktop-file-validate $id.desktop"
appstreamcli validate --no-net "$metainfo" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "$metainfo")"
mime_log=$(update-mime-database "$share/mime" 2>&1) || fail "update-mime-database failed"
[ -z "$mime_log" ] || fail "update-mime-database: $mime_log"

# --- the entries agree: every type the desktop entry and the thumbnailer name
# is defined, with an installed icon; the icons and programs named exist.
types=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime_xml" | sort)
[ "$(echo "$types" | wc -l)" -eq 3 ] || fail "expected three MIME types, got: $types"
[ "$(key_words "$desktop" MimeType)" = "$types" ] || fail "desktop MimeType differs from the types"
[ "$(key_words "$thumbnailer" MimeType)" = "$types" ] ||
    fail "thumbnailer MimeType differs from the types"
for type in $types; do
    [ -f "$share/mime/$type.xml" ] || fail "the MIME database lacks $type"
    [ -s "$share/icons/hicolor/scalable/mimetypes/${type/\//-}.svg" ] || fail "no icon for $type"
done
[ "$(key_words "$desktop" Icon)" = "$id" ] || fail "the desktop entry's icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"
for program in "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")" \
    "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$thumbnailer")"; do
    [ -x "$prefix/bin/$program" ] || fail "Exec names $program, which is not installed"
done

# --- samples of the three types, with and without their extension
samples=$prefix/samples
mkdir -p "$samples"
cli=$prefix/bin/heddlemark-cli
cp "$source/docs/manual/images/damask-diamond.hdx" "$samples/draft.hdx"
"$cli" convert "$samples/draft.hdx" "$samples/draft.hdm" 2>/dev/null
"$cli" convert "$samples/draft.hdx" "$samples/draft.wif" 2>/dev/null
declare -A type_of=([hdx]=application/x-heddlemark-cd-pattern
    [hdm]=application/x-heddlemark-pattern [wif]=text/x-wif)
for ext in hdx hdm wif; do
    cp "$samples/draft.$ext" "$samples/unnamed-$ext"
    for file in "$samples/draft.$ext" "$samples/unnamed-$ext"; do
        found=$(gio info -a standard::content-type "$file" | sed -n 's/.*content-type: //p')
        [ "$found" = "${type_of[$ext]}" ] || fail "$(basename "$file") is $found, not ${type_of[$ext]}"
    done
done

# --- the thumbnailer's command line, as a file manager runs it
read -ra exec_words <<<"$(sed -n 's/^Exec=//p' "$thumbnailer")"
for ext in hdx hdm wif; do
    for size in 128 48; do
        out=$samples/thumb-$ext-$size.png
        words=()
        for w in "${exec_words[@]}"; do
            w=${w//%i/$samples/draft.$ext}
            w=${w//%o/$out}
            words+=("${w//%s/$size}")
        done
        PATH=$prefix/bin:$PATH "${words[@]}" 2>/dev/null || fail "thumbnailer failed on .$ext"
        if [ ! -s "$out" ]; then
            fail "no thumbnail for .$ext at $size"
        elif [ "$(png_size "$out")" != "${size}x$size" ]; then
            fail ".$ext thumbnail at $size is $(png_size "$out")"
        fi
    done
done

[ "$failures" -eq 0 ] || exit 1
echo "install check passed"
