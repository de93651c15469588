# Sourced by the tbaMUD benchmarks: tbamud_lib SERVER_DIR WORLD LIB lays out
# LIB as the tbaMUD server's lib folder holding the world folder WORLD, with
# index files in first-vnum order, as the server's check-world.sh does.
tbamud_lib() {
  local server=$1 world=$2 lib=$3 t
  cp -r "$server/tbamud/lib/." "$lib/" && chmod -R u+w "$lib"
  mkdir -p "$lib/plrfiles" "$lib/plrobjs" "$lib/plrvars"
  for t in wld mob obj zon shp trg qst; do
    mkdir -p "$lib/world/$t"
    cp "$world/$t"/*."$t" "$lib/world/$t/" 2>/dev/null || true
    (cd "$lib/world/$t" && for f in *."$t"; do
       [ -f "$f" ] && echo "$(tr -d '\r' < "$f" | grep -m1 -oE '^#[0-9]+' | tr -d '#') $f"
     done | sort -n | cut -d' ' -f2- > index; echo '$' >> index)
  done
}
