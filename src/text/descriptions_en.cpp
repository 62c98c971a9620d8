// English descriptions of the seven memory types, one per band of activeness.
// One source line per text line, so that an editor can work on the wording directly.
#include "text/descriptions.hpp"

namespace mr {

// clang-format off
const DescriptionTable kEnglishDescriptions = {
    // Motorical type (sport)
    {
        // band 0
        u"About 5% :\r"
        u"Your coordination is weak; new movements take endless repetition.\r"
        u"Your ability to learn through movement is very limited.\r"
        u"A career in sport is out of the question.",
        // band 1
        u"About 10% :\r"
        u"Your body is slow to remember an exercise and quick to forget it.\r"
        u"Learning through movement is hard work for you.\r"
        u"Keep fit for your health, but don't count on a sporting career.",
        // band 2
        u"About 30% :\r"
        u"You master simple movements, but complex ones need long practice.\r"
        u"Your ability to learn physical skills is below average.\r"
        u"An amateur team or a weekend club is about as far as you will go.",
        // band 3
        u"About 35% :\r"
        u"Your coordination is almost normal, but your stamina lets you down.\r"
        u"Learning through movement is close to the norm.\r"
        u"Sport can be a pleasant hobby for you, though hardly a profession.",
        // band 4
        u"About 45% :\r"
        u"Your body picks up new movements readily and keeps them for years.\r"
        u"You have good coordination and a steady sense of balance.\r"
        u"Learning through movement comes easily to you.\r"
        u"You could do well as a fitness instructor or a swimming coach.",
        // band 5
        u"About 55% :\r"
        u"Strength, speed and endurance are well balanced in you.\r"
        u"You master the technique of a new sport after a few sessions.\r"
        u"Motor skills come to you faster than to most people.\r"
        u"A career as a professional athlete is well within your reach.",
        // band 6
        u"About 65% :\r"
        u"Excellent coordination and a fine sense of rhythm in every movement.\r"
        u"Team games suit you: you read the field and react at once.\r"
        u"Hard training doesn't wear you out; it charges you up.\r"
        u"You learn through movement quickly and with pleasure.\r"
        u"Athlete or coach: either way, sport is your natural element.",
        // band 7
        u"About 70% :\r"
        u"Your muscle memory is outstanding: a movement once learned stays for good.\r"
        u"You master complex techniques faster than anyone around you.\r"
        u"Learning by doing is your great strength.\r"
        u"Competitive sport at the highest level is your calling.",
        // band 8
        u"About 90% :\r"
        u"You can hardly sit still: a day without exercise leaves you restless.\r"
        u"You learn movements fast, but overtraining and injury are real risks.\r"
        u"Professional sport suits you, provided a good coach keeps you in check.",
        // band 9
        u"About 95% :\r"
        u"Movement has become a need as strong as hunger.\r"
        u"You drive your body to its limits and beyond, ignoring pain and fatigue.\r"
        u"You learn any movement at once, yet hardly ever stop to rest.\r"
        u"Extreme sports or stunt work would suit you, if you learn to take breaks.",
        // band 10
        u"About 100% :\r"
        u"You don’t walk, you run, and you never seem to get tired.\r"
        u"Stillness feels like a punishment, and rest like wasted time.\r"
        u"Even in your sleep your legs keep on moving.\r"
        u"Aren’t you a \"Perpetuum Mobile\"?"
    },
    // Sensual type (music, the stage)
    {
        // band 0
        u"About 5% :\r"
        u"Emotions touch you only lightly and leave little trace in memory.\r"
        u"Music seldom moves you, and you forget a melody almost at once.\r"
        u"Your ability to learn through feelings and impressions is very limited.\r"
        u"The stage is definitely not the place for you.",
        // band 1
        u"About 10% :\r"
        u"You keep your feelings at a distance and don’t let them show.\r"
        u"A tune rarely stays in your head for long.\r"
        u"Emotional learning is weak: you remember facts, not moods.\r"
        u"It’s hard for you to express joy or sorrow in public.\r"
        u"A career as an actor or a singer is not for you.",
        // band 2
        u"About 30% :\r"
        u"Your feelings are calm and even; strong emotions tire you.\r"
        u"You enjoy music, but rarely remember what you have heard.\r"
        u"Your ability to learn through emotions is below average.\r"
        u"An amateur choir, perhaps, but hardly a professional stage.",
        // band 3
        u"About 35% :\r"
        u"Your emotional memory is nearly normal.\r"
        u"A good film or a concert can move you,\r"
        u"though the impression fades within a day or two.\r"
        u"Learning through feelings is close to the norm.\r"
        u"Music may stay a hobby, but it won't become your profession.",
        // band 4
        u"About 45% :\r"
        u"You feel music deeply and remember it well.\r"
        u"Other people's moods are easy for you to sense.\r"
        u"Learning through emotions and impressions comes naturally to you.\r"
        u"You would make a good music teacher or choir leader.",
        // band 5
        u"About 55% :\r"
        u"Your feelings are vivid and sincere, and you know how to share them.\r"
        u"A melody heard once stays with you for a long time.\r"
        u"You learn well through emotions and live impressions.\r"
        u"The stage does not frighten you; it inspires you.\r"
        u"A career as a singer, a musician or an actor suits you.",
        // band 6
        u"About 65% :\r"
        u"You have a rich emotional memory and a fine ear for music.\r"
        u"You can bring an audience to tears or to laughter at will.\r"
        u"Feelings are your best teacher: what moves you, you never forget.\r"
        u"Actor, singer or conductor: the stage is your calling.",
        // band 7
        u"About 70% :\r"
        u"Your emotional memory is outstanding: you recall every feeling in detail.\r"
        u"Music and drama are a second language to you, learned with ease.\r"
        u"A great future awaits you on the stage or in the concert hall.",
        // band 8
        u"About 90% :\r"
        u"Your emotions are very strong and sometimes get the upper hand.\r"
        u"A sad song can spoil your whole day.\r"
        u"You learn through feelings at once, but you also judge by them.\r"
        u"Beware of mood swings and of living through other people's dramas.\r"
        u"The stage suits you, if you leave the role behind after the show.",
        // band 9
        u"About 95% :\r"
        u"Feelings overwhelm you, and every small event becomes a drama.\r"
        u"You live from one emotional peak to the next.\r"
        u"Emotional learning is extreme: you remember every slight for years.\r"
        u"Nervous exhaustion and fits of temper are real risks for you.\r"
        u"Try to keep some distance from your own emotions.\r"
        u"A music critic's career would let you feel everything and still keep your head.",
        // band 10
        u"About 100% :\r"
        u"Every trifle sets your passions on fire.\r"
        u"Laughter and tears follow each other within a minute.\r"
        u"Are you sure your heart can stand such a show every day?"
    },
    // Imaging type (visual arts)
    {
        // band 0
        u"About 5% :\r"
        u"Your visual memory is weak: faces and places fade quickly.\r"
        u"It’s hard for you to picture something you haven’t seen.\r"
        u"Learning through images is very limited.\r"
        u"Painting or design won’t become your profession.",
        // band 1
        u"About 10% :\r"
        u"You see the world in plain outlines with few colours.\r"
        u"Drawing from imagination doesn’t come easily to you.\r"
        u"Your ability to learn through pictures and diagrams is poor.\r"
        u"An artist’s career is hardly your path.",
        // band 2
        u"About 30% :\r"
        u"Your imagination works, but it needs a push from outside.\r"
        u"You remember a picture as a whole,\r"
        u"but the details slip away.\r"
        u"Your visual learning is a little below average.\r"
        u"You can arrange a room nicely, but designing a house isn’t for you.\r"
        u"Art will remain a pleasant hobby rather than a career.",
        // band 3
        u"About 35% :\r"
        u"Your visual memory is close to normal.\r"
        u"You can sketch what you see, though your own ideas come slowly.\r"
        u"Your visual learning is about average.\r"
        u"Technical drawing may suit you; painting hardly will.",
        // band 4
        u"About 45% :\r"
        u"You have a lively imagination and a good eye for colour and form.\r"
        u"You learn easily through pictures, diagrams and models.\r"
        u"Consider a career as a designer or an illustrator.",
        // band 5
        u"About 55% :\r"
        u"You see pictures in your mind as clearly as on paper.\r"
        u"Your sense of composition and proportion is reliable.\r"
        u"Learning through images is well above average for you.\r"
        u"Architecture, design or painting: any of them would suit you.",
        // band 6
        u"About 65% :\r"
        u"Your imagination is rich and original.\r"
        u"You remember colours, shapes and faces with great precision.\r"
        u"Visual learning is excellent: one look is often enough.\r"
        u"You could become a talented painter or architect.",
        // band 7
        u"About 70% :\r"
        u"Your visual memory is remarkable:\r"
        u"you can reproduce a scene years after you saw it.\r"
        u"Your imagination creates whole worlds without any effort.\r"
        u"You learn through images faster than through words.\r"
        u"The fine arts, film or architecture will give your gift room to grow.",
        // band 8
        u"About 90% :\r"
        u"Your imagination sometimes runs ahead of reality.\r"
        u"Daydreams can crowd out your everyday duties.\r"
        u"You learn from pictures instantly, but find dry texts tedious.\r"
        u"Take care not to lose the line between fantasy and fact.\r"
        u"A career in painting or animation would put your visions to good use.",
        // band 9
        u"About 95% :\r"
        u"You live among images that only you can see.\r"
        u"Your fantasies are so vivid that they seem real.\r"
        u"You learn through images at once, yet plain words hardly reach you.\r"
        u"The risk is escaping from life into a world of your own.\r"
        u"Stage design could channel this gift, if you keep your feet on the ground.",
        // band 10
        u"About 100% :\r"
        u"Pictures flash through your mind day and night.\r"
        u"You see faces in the clouds and castles in every puddle.\r"
        u"Reality looks grey beside your dreams.\r"
        u"Are you quite sure that you are awake right now?"
    },
    // Logical type (exact sciences)
    {
        // band 0
        u"About 5% :\r"
        u"Long chains of reasoning are hard for you to follow.\r"
        u"You easily lose the thread of an argument\r"
        u"and forget the order of steps in a task.\r"
        u"Your ability to learn through logic is very limited.\r"
        u"Mathematics and programming are not your field.",
        // band 1
        u"About 10% :\r"
        u"Numbers and formulas slip from your memory.\r"
        u"You would rather trust your intuition than a proof.\r"
        u"Learning through logic is poor.\r"
        u"A career in science or engineering would be a struggle for you.",
        // band 2
        u"About 30% :\r"
        u"You can follow simple reasoning, but long proofs tire you.\r"
        u"Mental arithmetic takes you some effort.\r"
        u"Your logical learning is below average.\r"
        u"Bookkeeping, perhaps, but research is not for you.",
        // band 3
        u"About 35% :\r"
        u"You seldom make mistakes when recalling a chain of logical steps. \r"
        u"School mathematics gives you no trouble.\r"
        u"Learning by logic is within the normal range.\r"
        u"Still, a teaching career in the exact sciences is not your path.",
        // band 4
        u"About 45% :\r"
        u"Your thinking is clear and consistent.\r"
        u"You solve problems step by step and rarely go astray.\r"
        u"Learning by logic comes easily to you.\r"
        u"You would make a competent engineer or programmer.",
        // band 5
        u"About 55% :\r"
        u"You see the structure of a problem at a glance.\r"
        u"Formulas, rules and algorithms stay in your memory for years.\r"
        u"Your logical learning is well above average.\r"
        u"A career as a mathematician, analyst or programmer suits you.",
        // band 6
        u"About 65% :\r"
        u"Your logic is sharp and your conclusions are well founded.\r"
        u"You spot the flaw in any argument at once.\r"
        u"Your ability to learn through reasoning is excellent.\r"
        u"Physics, mathematics or computer science will welcome you.",
        // band 7
        u"About 70% :\r"
        u"You think in systems and hold long chains of proof in your head.\r"
        u"Complex theories become simple in your hands.\r"
        u"New branches of mathematics take you days, not years.\r"
        u"You may well make discoveries in the exact sciences.\r"
        u"Research scientist or chief analyst: either suits you.",
        // band 8
        u"About 90% :\r"
        u"Logic rules your life, even where feelings should have a say.\r"
        u"You demand proof of everything, even of a compliment.\r"
        u"You learn by logic instantly, but the illogical drives you mad.\r"
        u"Others may find you cold and pedantic.\r"
        u"Leave some room for intuition.\r"
        u"Theoretical research or software architecture is your field.",
        // band 9
        u"About 95% :\r"
        u"You analyse every step, every word and every glance.\r"
        u"Overthinking can paralyse you before every decision.\r"
        u"Your logical learning is extreme; beware of mental exhaustion.\r"
        u"Pure mathematics may be the one place where this is an advantage.",
        // band 10
        u"About 100% :\r"
        u"You have turned your whole life into a system of theorems.\r"
        u"Even your breakfast follows a strict algorithm.\r"
        u"Are you sure you're not a computer?"
    },
    // Aiming type (advertising)
    {
        // band 0
        u"About 5% :\r"
        u"Your goals are vague, and your plans change with your mood.\r"
        u"Few of them survive to the end of the week.\r"
        u"You learn very little when working towards a set goal.\r"
        u"Advertising is not a field where you will succeed.",
        // band 1
        u"About 10% :\r"
        u"You probably lead a rather passive life.\r"
        u"Choosing the best way to pursue your aims is hard for you.\r"
        u"Structured learning does not come easily to you.\r"
        u"You are unlikely to make a living selling advertising.",
        // band 2
        u"About 30% :\r"
        u"You set goals, but give up at the first obstacle.\r"
        u"Structured learning is harder for you than for most.\r"
        u"An advertising agent's job would soon wear you out.",
        // band 3
        u"About 35% :\r"
        u"You reach your goals, though not by the shortest road.\r"
        u"Your ability to learn from a clear structure is nearly normal.\r"
        u"You could start as an assistant to an advertising manager.",
        // band 4
        u"About 45% :\r"
        u"You can pick out what matters and sense what others want.\r"
        u"Your capacity for structured learning is normal.\r"
        u"A career as an advertising agent is well within your reach.",
        // band 5
        u"About 55% :\r"
        u"You set clear goals and reach them on time.\r"
        u"You learn well when the material has a clear structure.\r"
        u"You would make a capable marketer.",
        // band 6
        u"About 65% :\r"
        u"You see the goal clearly\r"
        u"and know how to carry others along with you.\r"
        u"Anything with a clear structure sinks in quickly.\r"
        u"Running advertising campaigns is the role for you.",
        // band 7
        u"About 70% :\r"
        u"Determined and persuasive, you find the shortest road to a result\r"
        u"and can present any idea so that people want to buy it.\r"
        u"Structured learning is one of your strengths.\r"
        u"Success awaits you in an advertising agency of your own.",
        // band 8
        u"About 90% :\r"
        u"Reaching the goal becomes an end in itself.\r"
        u"You sacrifice rest and family for the sake of results.\r"
        u"Beware of burnout.\r"
        u"You learn fast, but only what serves the goal.\r"
        u"A large advertising group will value your drive.",
        // band 9
        u"About 95% :\r"
        u"You are obsessed with goals:\r"
        u"no sooner is one reached than you rush to the next.\r"
        u"People see you as a tireless sales machine,\r"
        u"and your family grows tired of being persuaded.\r"
        u"You learn with a greed that leaves room for nothing else.\r"
        u"Election campaigns are within your reach, but remember to rest.",
        // band 10
        u"About 100% :\r"
        u"Don't try to sell the Moon: there are no buyers for it yet!"
    },
    // Managing type (business)
    {
        // band 0
        u"About 5% :\r"
        u"You avoid responsibility and dislike making decisions.\r"
        u"Even your own day is hard for you to organise.\r"
        u"Rules and principles are very hard for you to learn.\r"
        u"A managerial post would bring you nothing but frustration.",
        // band 1
        u"About 10% :\r"
        u"Rules and routine seem alien to you,\r"
        u"and instructions from above feel like a burden.\r"
        u"Your ability to learn rules and principles is low.\r"
        u"Business is not your element.",
        // band 2
        u"About 30% :\r"
        u"You can organise your own work, but other people's is a struggle.\r"
        u"You pick up rules and principles more slowly than most.\r"
        u"You would be happier as a rank-and-file employee.",
        // band 3
        u"About 35% :\r"
        u"You keep to your principles,\r"
        u"but in an argument you usually give way.\r"
        u"Great responsibility weighs on you.\r"
        u"Principles and rules come to you nearly as easily as to most.\r"
        u"You could manage a small office.",
        // band 4
        u"About 45% :\r"
        u"You share out tasks confidently and see that they are done.\r"
        u"Colleagues trust your word.\r"
        u"You learn rules and principles as readily as most people.\r"
        u"You could well be put in charge of a department.",
        // band 5
        u"About 55% :\r"
        u"Firm principles and a talent for negotiation.\r"
        u"You quickly find common ground with partners.\r"
        u"Rules and principles are easy for you to learn.\r"
        u"A business of your own is a real prospect.",
        // band 6
        u"About 65% :\r"
        u"You see the whole system and run it with a steady hand.\r"
        u"Your staff value your fairness, and new rules come to you quickly.\r"
        u"A company director's chair awaits you.",
        // band 7
        u"About 70% :\r"
        u"Your talent for organisation is outstanding.\r"
        u"You know how to take calculated risks, and win.\r"
        u"You master the rules of any market with ease.\r"
        u"You have a future as a successful entrepreneur or banker.",
        // band 8
        u"About 90% :\r"
        u"You want to keep everything under your personal control\r"
        u"and find it hard to hand work over to others.\r"
        u"Firm principles turn into stubbornness.\r"
        u"Conflicts with partners and staff are likely.\r"
        u"Every rule you learn becomes a law you will not bend.\r"
        u"You could head a large corporation if you learn to share authority.",
        // band 9
        u"About 95% :\r"
        u"Work has swallowed you whole:\r"
        u"for the sake of business you forget about rest and family.\r"
        u"Any departure from the rules makes you lose your temper.\r"
        u"Overwork and quarrels at home are a real risk.\r"
        u"Your hunger for rules and procedures knows no bounds.\r"
        u"You are the very picture of a workaholic banker. Is success worth it?",
        // band 10
        u"About 100% :\r"
        u"Are your job descriptions for the whole of humanity ready yet?"
    },
    // Worldoutlooking type (science and religion)
    {
        // band 0
        u"About 5% :\r"
        u"The meaning of life and the order of the world do not concern you.\r"
        u"To you, science is just a dull school subject.\r"
        u"The laws of nature are very hard for you to learn.\r"
        u"The path of a philosopher or theologian is not for you.",
        // band 1
        u"About 10% :\r"
        u"You take the laws of nature on trust, without asking why.\r"
        u"You have no coherent picture of the world yet.\r"
        u"General laws are slow to stick in your memory.\r"
        u"Scientific work is unlikely to appeal to you.",
        // band 2
        u"About 30% :\r"
        u"Now and then you think about eternal questions,\r"
        u"but soon return to everyday matters.\r"
        u"You adopt other people's views more readily than you form your own.\r"
        u"You learn laws and theories less easily than most.\r"
        u"A scientific career would cost you a great deal of effort.",
        // band 3
        u"About 35% :\r"
        u"Your world view is taking shape, though it still has many gaps.\r"
        u"You enjoy popular science books.\r"
        u"You learn laws and theories nearly as well as the average person.\r"
        u"A lab assistant, yes; a researcher, not yet.",
        // band 4
        u"About 45% :\r"
        u"You see links between events and look for their causes.\r"
        u"Your grasp of the laws of nature is normal.\r"
        u"You would make a good science teacher.",
        // band 5
        u"About 55% :\r"
        u"A coherent world view and a taste for fundamental questions.\r"
        u"You debate faith and knowledge with respect for the other side.\r"
        u"Laws and theories stay with you well.\r"
        u"Research or the priesthood: both paths are open to you.",
        // band 6
        u"About 65% :\r"
        u"You seek to understand the universe and the place of humankind in it.\r"
        u"To you, science and religion are two views of one truth, not enemies.\r"
        u"Laws and theories stick in your mind with ease.\r"
        u"A philosopher's path would suit you: few people see the world as a whole as you do.",
        // band 7
        u"About 70% :\r"
        u"A deep understanding of the laws of nature and society.\r"
        u"Your judgements are broad and mature, and people seek your advice.\r"
        u"You master new laws and theories with remarkable ease.\r"
        u"Recognition as a scientist or a theologian awaits you.",
        // band 8
        u"About 90% :\r"
        u"Your own picture of the world seems the only true one.\r"
        u"You will spend hours winning over those who disagree.\r"
        u"There is a danger of becoming dogmatic.\r"
        u"You take in new theories eagerly, but only those that fit yours.\r"
        u"You could found a school of thought if you learn to listen to others.",
        // band 9
        u"About 95% :\r"
        u"You are obsessed with the search for ultimate truth\r"
        u"and will argue about it with anyone you meet.\r"
        u"Intolerance of other views\r"
        u"can lead to quarrels with those close to you.\r"
        u"Laws and theories fill your mind to the point of excess.\r"
        u"A hermit thinker's path appeals to you, but don't cut yourself off.",
        // band 10
        u"About 100% :\r"
        u"Hope, you are not going to declare yourself as Prophet!"
    },
};
// clang-format on

}  // namespace mr
