#include "help/HelpTopics.h"

#include <algorithm>

namespace rytmalo {
namespace {

constexpr HelpTopic kTopics[] = {
    {kContentsTopic, L"Rytmalo 95 : calculatrice Tempo/Délai",
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
     L"Pour aller plus loin, la commande Tableau détaillé du menu Options ajoute sous "
     L"le panneau un tableau de toutes les valeurs, notes pointées comprises, au "
     L"centième de milliseconde, en hertz et en échantillons, un bouton pour taper le "
     L"tempo et la recherche du tempo d'un délai.\r\n\r\n"
     L"Sur chaque commande, la touche F1 affiche l'aide qui la concerne."},
    {kTempoHelp, L"Tempo",
     L"Tapez ici le tempo, en battements par minute (BPM), puis appuyez sur Entrée : "
     L"les dix durées sont calculées aussitôt. Les tempos de 10 à 250 sont acceptés ; "
     L"en dehors de cette plage, un avertissement s'affiche et la case est vidée.\r\n\r\n"
     L"Échap vide la case sans toucher aux valeurs affichées. Le tempo se lit sur le "
     L"métronome ou le séquenceur ; pour un morceau enregistré, comptez les temps "
     L"pendant 15 secondes et multipliez par 4."},
    {kPreferencesHelp, L"Préferences",
     L"Les réglages de l'affichage de Rytmalo 95. Cochez ou décochez l'option, puis "
     L"cliquez sur OK pour l'appliquer et l'enregistrer. Annuler, ou la touche Échap, "
     L"ferme la boîte sans rien enregistrer."},
    {kStayOnTopHelp, L"Fenêtre persistente",
     L"Cochée, la fenêtre de Rytmalo 95 reste au-dessus de toutes les autres fenêtres, "
     L"même quand vous travaillez dans un autre programme : les durées restent sous vos "
     L"yeux pendant que vous réglez vos effets dans le séquenceur. Le choix s'applique "
     L"dès que vous cliquez sur OK et reste en vigueur aux démarrages suivants."},
    {kBeatUnitHelp, L"Unité de temps",
     L"Indique quelle figure de note vaut un battement du tempo : la blanche (x/2, "
     L"mesures à 2/2), la noire (x/4, le cas le plus courant : 4/4, 3/4), la croche "
     L"(x/8, mesures à 6/8 ou 12/8 battues à la croche) ou la double-croche (x/16).\r\n\r\n"
     L"Changer d'unité recalcule aussitôt les durées à partir du tempo de la case, sans "
     L"nouvelle validation. Exemple : à 120, la noire dure 500 ms avec l'unité noire, "
     L"mais 1000 ms avec l'unité croche, puisque c'est alors la croche qui dure 500 ms."},
    {kTapHelp, L"Taper le tempo",
     L"Cliquez sur Taper, ou appuyez sur la barre d'espace quand le bouton a le focus, "
     L"au rythme du morceau : dès le deuxième temps, le tempo tapé s'affiche au dixième "
     L"près, d'après la moyenne des huit derniers intervalles. Entre 10 et 250, il est "
     L"arrondi, placé dans la case Tempo et les durées sont calculées comme avec Entrée ; "
     L"en dehors, il est seulement affiché. Une pause de plus de trois secondes "
     L"recommence la mesure."},
    {kDelayHelp, L"Délai (ms)",
     L"Tapez la durée d'un délai en millisecondes, décimales permises (375, ou 187,5), "
     L"puis appuyez sur Entrée : la liste voisine donne, pour chaque valeur du tableau, le "
     L"tempo auquel elle dure exactement ce délai, avec l'unité de temps choisie. Seuls "
     L"les tempos de 10 à 250 sont donnés. Pratique pour savoir sur quel tempo tombe une "
     L"pédale de délai déjà réglée."},
    {kTemposHelp, L"Tempos du délai",
     L"Chaque ligne donne une valeur de note et le tempo, au dixième près, auquel elle "
     L"dure le délai tapé. Double-cliquez sur une ligne, ou choisissez-la et appuyez sur "
     L"Entrée : le tempo arrondi passe dans la case Tempo et les durées sont calculées."},
    {kTableHelp, L"Tableau détaillé",
     L"Toutes les valeurs de note au tempo et à l'unité du calcul, chaque valeur suivie de "
     L"la même valeur pointée : la durée en millisecondes au centième, la fréquence en "
     L"hertz (pour caler un LFO) et la longueur en échantillons à 44,1 et à 48 kHz (pour "
     L"un échantillonneur). Les chiffres sont calculés sur le tempo exact, sans passer par "
     L"une valeur arrondie.\r\n\r\n"
     L"Ctrl+C copie les lignes choisies, ou tout le tableau si aucune ne l'est, avec une "
     L"ligne de titres, prêtes à coller dans un tableur ; le clic droit offre Copier. Le "
     L"clic droit sur une des dix valeurs du panneau noir copie son chiffre."},
    {kQuitHelp, L"Quitter",
     L"Ferme Rytmalo 95. La position de la fenêtre est enregistrée : au prochain "
     L"démarrage, elle s'ouvre au même endroit."},
    {kOptionsMenuHelp, L"Menu Options",
     L"Les réglages du programme. La commande Préferences permet de garder la fenêtre "
     L"de Rytmalo 95 au-dessus des autres fenêtres, pratique pendant que vous réglez "
     L"votre séquenceur ou votre rack d'effets. Tableau détaillé ajoute sous le panneau "
     L"le tableau de toutes les valeurs, le tempo tapé et la recherche du tempo d'un délai."},
    {kPreferencesCommandHelp, L"Commande Préferences",
     L"Ouvre la boîte des préférences, où vous choisissez si la fenêtre de Rytmalo 95 "
     L"reste visible au-dessus de toutes les autres fenêtres."},
    {kDetailCommandHelp, L"Commande Tableau détaillé",
     L"Affiche ou masque, sous le panneau des durées, le tableau détaillé : les valeurs "
     L"pointées, les durées au centième de milliseconde, en hertz et en échantillons, le "
     L"bouton Taper et la recherche du tempo d'un délai. La fenêtre s'agrandit pour le "
     L"montrer et reprend sa taille sans lui ; le choix est gardé pour le prochain "
     L"démarrage."},
    {kHelpMenuHelp, L"Menu ?",
     L"Sommaire de l'aide ouvre l'aide de Rytmalo 95. A propos de ... affiche le nom "
     L"et la version du programme."},
    {kAboutHelp, L"A propos de Rytmalo 95",
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
