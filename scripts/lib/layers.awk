# Reads cmake/layers.txt for the layer checks: order[1..count] bottom-up, layerOf[folder], and
# allowed[layer, other] for every layer a layer may use (itself and, through the layers it
# names as below it, all that those may use). An unknown layer named as below sets bad.
function readLayers(file,    line, f, n, i, j, m, name, under, other) {
    while ((getline line < file) > 0) {
        if (line !~ /^[a-z]/) continue
        n = split(line, f, /[ \t]+/)
        name = f[1]; order[++count] = name
        below[name] = f[2] == "-" ? "" : f[2]
        for (i = 3; i <= n; i++) layerOf[f[i]] = name
    }
    for (i = 1; i <= count; i++) {
        name = order[i]; allowed[name, name] = 1
        m = split(below[name], under, ",")
        for (j = 1; j <= m; j++) {
            if (!(under[j] in below)) { printf "layers: %s names an unknown layer %s\n", name, under[j]; bad = 1; continue }
            for (other in below) if ((under[j], other) in allowed) allowed[name, other] = 1
        }
    }
}
