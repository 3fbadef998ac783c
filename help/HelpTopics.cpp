#include "help/HelpTopics.h"

#include <algorithm>

namespace rytmalo {
namespace {

constexpr HelpTopic kTopics[] = {
    {10, L"Rytmalo 95 : calculatrice Tempo/Délai",
     L"Rytmalo 95 traduit un tempo en durées de notes, en millisecondes : les valeurs à "
     L"régler sur un écho, une pédale de délai ou un plug-in de retard pour que les "
     L"répétitions tombent en rythme.\r\n\r\n"
     L"1. Tapez le tempo du morceau (de 10 à 250 battements par minute) dans la case "
     L"Tempo et validez avec Entrée.\r\n"
     L"2. Choisissez l'unité de temps, la figure de note qui vaut un battement : la "
     L"noire dans la plupart des morceaux.\r\n"
     L"3. Lisez dans le panneau noir la durée de dix figures, de la ronde à la "
     L"quadruple croche, triolets compris.\r\n\r\n"
     L"Exemple : à 120 avec l'unité noire, la noire dure 500 ms et la croche 250 ms. "
     L"Un délai de 250 ms répète chaque note une croche plus tard. Pour un délai "
     L"pointé, ajoutez la moitié de la valeur : croche pointée = 250 + 125 = 375 ms. "
     L"Les valeurs sont tronquées à la milliseconde.\r\n\r\n"
     L"Sur chaque commande, la touche F1 affiche l'aide qui la concerne."},
    {11, L"Tempo",
     L"Tapez ici le tempo, en battements par minute (BPM), puis appuyez sur Entrée : "
     L"les dix durées sont calculées aussitôt. Les tempos de 10 à 250 sont acceptés ; "
     L"en dehors de cette plage, un avertissement s'affiche et la case est vidée.\r\n\r\n"
     L"Échap vide la case sans toucher aux valeurs affichées. Le tempo se lit sur le "
     L"métronome ou le séquenceur ; pour un morceau enregistré, comptez les temps "
     L"pendant 15 secondes et multipliez par 4."},
    {13, L"Préferences",
     L"Les réglages de l'affichage de Rytmalo 95. Cochez ou décochez l'option, puis "
     L"cliquez sur OK pour l'appliquer et l'enregistrer. Annuler, ou la touche Échap, "
     L"ferme la boîte sans rien enregistrer."},
    {14, L"Fenêtre persistente",
     L"Cochée, la fenêtre de Rytmalo 95 reste au-dessus de toutes les autres fenêtres, "
     L"même quand vous travaillez dans un autre programme : les durées restent sous vos "
     L"yeux pendant que vous réglez vos effets dans le séquenceur. Le choix s'applique "
     L"dès que vous cliquez sur OK et reste en vigueur aux démarrages suivants."},
    {21, L"Unité de temps",
     L"Indique quelle figure de note vaut un battement du tempo : la blanche (x/2, "
     L"mesures à 2/2), la noire (x/4, le cas le plus courant : 4/4, 3/4), la croche "
     L"(x/8, mesures à 6/8 ou 12/8 battues à la croche) ou la double-croche (x/16).\r\n\r\n"
     L"Changer d'unité recalcule aussitôt les durées à partir du tempo de la case, sans "
     L"nouvelle validation. Exemple : à 120, la noire dure 500 ms avec l'unité noire, "
     L"mais 1000 ms avec l'unité croche, puisque c'est alors la croche qui dure 500 ms."},
    {260, L"Quitter",
     L"Ferme Rytmalo 95. La position de la fenêtre est enregistrée : au prochain "
     L"démarrage, elle s'ouvre au même endroit."},
    {270, L"Menu Options",
     L"Les réglages du programme. La commande Préferences permet de garder la fenêtre "
     L"de Rytmalo 95 au-dessus des autres fenêtres, pratique pendant que vous réglez "
     L"votre séquenceur ou votre rack d'effets."},
    {280, L"Commande Préferences",
     L"Ouvre la boîte des préférences, où vous choisissez si la fenêtre de Rytmalo 95 "
     L"reste visible au-dessus de toutes les autres fenêtres."},
    {290, L"Menu ?",
     L"Sommaire de l'aide ouvre l'aide de Rytmalo 95. A propos de ... affiche le nom "
     L"et la version du programme."},
    {300, L"A propos de Rytmalo 95",
     L"Rytmalo 95, calculatrice de conversion Tempo/Délai, version 2.0, de Vortan "
     L"Music. Cliquez sur OK ou appuyez sur Entrée pour fermer cette fenêtre."},
};

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

const HelpTopic* FindHelpTopic(int context) {
    const auto it = std::find_if(std::begin(kTopics), std::end(kTopics),
                                 [context](const HelpTopic& t) { return t.context == context; });
    return it == std::end(kTopics) ? nullptr : &*it;
}

}  // namespace rytmalo
